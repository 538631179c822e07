#pragma once

#include "models/CameraLayoutKeys.h"

#include <optional>
#include <span>
#include <string_view>

/// A drop list of a camera settings dialog and the record key it edits.
struct ListBinding
{
    int ctrlId;
    CameraKey key;
};

/// What differs between the camera settings dialogs besides their layouts
/// and per-model tables: the send-to radios in stored-value order (unless a
/// model's row gives another), the radio that leads to the FTP settings (0:
/// none), what Send To stores with no radio chosen, the question SMS Control
/// "ON" asks, and whether the Time Lapse / PIR Trigger rule applies.
struct CameraDialogShape
{
    int dialog;
    std::span<const int> sendToRadios;
    int ftpRadio;
    int sendToNone;
    std::string_view smsQuestion;
    bool timeLapsePirRule;
};

/// Which drop list of which camera dialog edits which key: what the dialogs
/// load and store, and what a stored position of a key means.
namespace CameraDialogBindings {

/// The dialog's drop lists in store order; the extension lists (dialogs
/// 143 and 204) follow them, the send-mode lists come last where the dialog
/// has a send mode.
[[nodiscard]] std::span<const ListBinding> lists(int dialog);
[[nodiscard]] std::span<const ListBinding> extensionLists(int dialog);
/// "Send Time :" and "Max Number :", stored with the send mode.
[[nodiscard]] std::span<const ListBinding> sendModeLists();

/// The list that edits the key in the dialog, if one does.
[[nodiscard]] std::optional<int> listFor(int dialog, CameraKey key);

/// A list position is the value minus this ("Replay Time" shows -1 as "OFF").
[[nodiscard]] int offsetOf(CameraKey key);

/// The shape of dialog 143, 154, 156, 158 or 204; nullptr for another number.
[[nodiscard]] const CameraDialogShape* shape(int dialog);

/// The dialog's send-to radios in stored-value order, where Send To is a
/// group of radios (dialog 154 has a drop list); a model's row of dialog
/// 143 may give another order (`CameraDialogVariant::sendToRadios`).
[[nodiscard]] std::span<const int> sendToRadios(int dialog);
/// The send-mode radios of the dialog (none in dialog 156).
[[nodiscard]] int sendModeRadioCount(int dialog);
/// Whether Time Lapse and PIR Trigger may not both be OFF (every dialog but 156).
[[nodiscard]] bool hasTimeLapsePirRule(int dialog);

} // namespace CameraDialogBindings
