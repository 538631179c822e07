#pragma once

#include "models/ModelCatalogue.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

/// One drop list of a camera settings dialog as its layout holds it.
struct DialogList
{
    int dialog; // 143, 154, 156, 158 or 204
    int ctrlId;
    std::span<const std::string_view> items;
};

/// The drop-list items of the camera dialogs, taken from their layouts when
/// the tool is built, and the lists a model's dialog shows once its table
/// row has changed them: what a stored position means for that model.
namespace CameraDialogLists {

[[nodiscard]] std::span<const DialogList> all();

/// The layout's list, or an empty one when the dialog has no such list.
[[nodiscard]] std::vector<std::string> layoutItems(int dialog, int ctrlId);

/// The list the model's camera dialog shows for the control.
[[nodiscard]] std::vector<std::string> modelItems(const ModelDescriptor& model, int ctrlId);

} // namespace CameraDialogLists
