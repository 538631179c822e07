#pragma once

#include "camera/CameraSettingsDialog.h"

#include <memory>

namespace Ui {
class CKRT_CamParaRV718WDlg;
}

/// "Camera Setting" of the models with layouts B and B-enc (dialog 143).
class CKRT_CamParaRV718WDlg : public CameraSettingsDialog
{
    Q_OBJECT

public:
    CKRT_CamParaRV718WDlg(AppContext& context, std::string listEntry, QWidget* parent = nullptr);
    ~CKRT_CamParaRV718WDlg() override;

private:
    std::unique_ptr<Ui::CKRT_CamParaRV718WDlg> m_ui;
};
