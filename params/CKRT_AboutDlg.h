#pragma once

#include <QDialog>

/// "About Us": the product picture and version; closed with the close box
/// or Escape.
class CKRT_AboutDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* kCompanyLine = "Tavrinoxa Trail Cameras";

    explicit CKRT_AboutDlg(QWidget* parent = nullptr);
};
