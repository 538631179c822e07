#include "web/WebValues.h"

#include <fstream>
#include <iterator>

using emscripten::val;

namespace WebValues {

const DialogLayout& layout(const char* name)
{
    return *DialogLayouts::find(name);
}

val array(const std::vector<std::string>& items)
{
    val out = val::array();
    for (const std::string& item : items)
        out.call<void>("push", item);
    return out;
}

val bytes(const std::string& data)
{
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(data.size(), reinterpret_cast<const unsigned char*>(data.data())));
}

std::optional<std::string> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string label(const char* layoutName, int ctrlId)
{
    return std::string(DialogLayouts::labelText(layout(layoutName), ctrlId));
}

std::string widgetText(const char* layoutName, int ctrlId)
{
    const LayoutWidget* w = DialogLayouts::widget(layout(layoutName), ctrlId);
    return w ? std::string(w->text) : std::string();
}

std::string groupOf(const char* layoutName, int ctrlId)
{
    const DialogLayout& l = layout(layoutName);
    const LayoutWidget* w = DialogLayouts::widget(l, ctrlId);
    return w ? std::string(DialogLayouts::groupTitle(l, *w)) : std::string();
}

const char* kindName(CameraDialogForm::Kind kind)
{
    switch (kind) {
    case CameraDialogForm::Kind::List:
        return "list";
    case CameraDialogForm::Kind::Radio:
        return "radio";
    case CameraDialogForm::Kind::Check:
        return "check";
    case CameraDialogForm::Kind::Edit:
        return "edit";
    case CameraDialogForm::Kind::Date:
        return "date";
    case CameraDialogForm::Kind::Time:
        return "time";
    case CameraDialogForm::Kind::Button:
        break;
    }
    return "button";
}

} // namespace WebValues
