#include "models/CameraDialogLists.h"

#include "models/CameraDialogVariants.h"

#include <algorithm>

namespace CameraDialogLists {

std::vector<std::string> layoutItems(int dialog, int ctrlId)
{
    for (const DialogList& list : all()) {
        if (list.dialog == dialog && list.ctrlId == ctrlId)
            return {list.items.begin(), list.items.end()};
    }
    return {};
}

std::vector<std::string> modelItems(const ModelDescriptor& model, int ctrlId)
{
    std::vector<std::string> items = layoutItems(model.cameraDialog, ctrlId);
    const CameraDialogVariant* variant = CameraDialogVariants::ofModel(model);
    if (!variant)
        return items;
    for (const ItemListEdit& edit : variant->lists) {
        if (edit.ctrlId != ctrlId)
            continue;
        const std::vector<std::string> given(edit.items.begin(), edit.items.end());
        switch (edit.edit) {
        case ListEdit::Replace:
            items = given;
            break;
        case ListEdit::Append:
            items.insert(items.end(), given.begin(), given.end());
            break;
        case ListEdit::Prepend:
            items.insert(items.begin(), given.begin(), given.end());
            break;
        case ListEdit::KeepFirst:
            items.resize(std::min(items.size(), edit.count));
            break;
        }
    }
    return items;
}

} // namespace CameraDialogLists
