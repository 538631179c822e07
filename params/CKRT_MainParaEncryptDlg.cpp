#include "params/CKRT_MainParaEncryptDlg.h"

CKRT_MainParaEncryptDlg::CKRT_MainParaEncryptDlg(AppContext& context, const std::string& listEntry, QWidget* parent)
    : CKRT_MainParaDlg(context, listEntry, MainParaCore::Variant::Encrypted, parent)
{
}
