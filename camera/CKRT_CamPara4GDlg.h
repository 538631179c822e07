#pragma once

#include "camera/CameraSettingsDialog.h"

#include <memory>

namespace Ui {
class CKRT_CamPara4GDlg;
}

/// "Camera Setting" of the 4G models with layout C (dialog 204).
class CKRT_CamPara4GDlg : public CameraSettingsDialog
{
    Q_OBJECT

public:
    CKRT_CamPara4GDlg(AppContext& context, std::string listEntry, QWidget* parent = nullptr);
    ~CKRT_CamPara4GDlg() override;

private:
    std::unique_ptr<Ui::CKRT_CamPara4GDlg> m_ui;
};
