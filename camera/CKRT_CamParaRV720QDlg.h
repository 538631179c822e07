#pragma once

#include "camera/CameraSettingsDialog.h"

#include <memory>

namespace Ui {
class CKRT_CamParaRV720QDlg;
}

/// "Camera Setting" of RV720Q-16kXS, layout D (dialog 154).
class CKRT_CamParaRV720QDlg : public CameraSettingsDialog
{
    Q_OBJECT

public:
    CKRT_CamParaRV720QDlg(AppContext& context, std::string listEntry, QWidget* parent = nullptr);
    ~CKRT_CamParaRV720QDlg() override;

private:
    std::unique_ptr<Ui::CKRT_CamParaRV720QDlg> m_ui;
};
