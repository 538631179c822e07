#pragma once

#include "camera/CameraSettingsDialog.h"

#include <memory>

namespace Ui {
class CKRT_CamParaTQ240Dlg;
}

/// "Camera Setting" of TQ240 SERIES, layout A (dialog 156).
class CKRT_CamParaTQ240Dlg : public CameraSettingsDialog
{
    Q_OBJECT

public:
    CKRT_CamParaTQ240Dlg(AppContext& context, std::string listEntry, QWidget* parent = nullptr);
    ~CKRT_CamParaTQ240Dlg() override;

private:
    std::unique_ptr<Ui::CKRT_CamParaTQ240Dlg> m_ui;
};
