#pragma once

#include "camera/CameraSettingsDialog.h"

#include <memory>

namespace Ui {
class CKRT_CamParaGroup1Dlg;
}

/// "Camera Setting" of the ten models with layout E (dialog 158).
class CKRT_CamParaGroup1Dlg : public CameraSettingsDialog
{
    Q_OBJECT

public:
    CKRT_CamParaGroup1Dlg(AppContext& context, std::string listEntry, QWidget* parent = nullptr);
    ~CKRT_CamParaGroup1Dlg() override;

private:
    std::unique_ptr<Ui::CKRT_CamParaGroup1Dlg> m_ui;
};
