#pragma once

#include "camera/CameraDialogForm.h"
#include "models/DialogLayouts.h"

#include <emscripten/val.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

/// What the binding layer hands the page: texts as JavaScript arrays, bytes
/// as Uint8Array, and the texts of the dialogs' layouts (labels, widget
/// texts, group titles) by layout name and control id.
namespace WebValues {

[[nodiscard]] emscripten::val array(const std::vector<std::string>& items);
[[nodiscard]] emscripten::val bytes(const std::string& data);
/// A file of the in-memory drives, or nothing.
[[nodiscard]] std::optional<std::string> readFile(const std::filesystem::path& path);

/// The layout of a dialog by its name ("CKRT_MainParaDlg").
[[nodiscard]] const DialogLayout& layout(const char* name);
/// The label beside control `ctrlId` of the layout.
[[nodiscard]] std::string label(const char* layoutName, int ctrlId);
/// The control's own text (a button's, a check box's).
[[nodiscard]] std::string widgetText(const char* layoutName, int ctrlId);
/// The title of the group box the control stands in.
[[nodiscard]] std::string groupOf(const char* layoutName, int ctrlId);

/// The page's name for a control kind ("list", "radio", ...).
[[nodiscard]] const char* kindName(CameraDialogForm::Kind kind);

} // namespace WebValues
