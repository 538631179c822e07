#pragma once

#include "params/CKRT_MainParaDlg.h"

/// The main parameter dialog of the two models whose file is encoded
/// (".BIN", resource 187): the same dialog, reading and writing the encoded
/// file, without a minimise button or an icon of its own.
class CKRT_MainParaEncryptDlg : public CKRT_MainParaDlg
{
    Q_OBJECT

public:
    CKRT_MainParaEncryptDlg(AppContext& context, const std::string& listEntry, QWidget* parent = nullptr);
};
