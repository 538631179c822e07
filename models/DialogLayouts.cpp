#include "models/DialogLayouts.h"

#include "models/ModelCatalogue.h"

#include <algorithm>
#include <cctype>
#include <deque>

namespace {

bool takesLabel(LayoutWidgetKind kind)
{
    return kind == LayoutWidgetKind::List || kind == LayoutWidgetKind::Edit || kind == LayoutWidgetKind::Date ||
           kind == LayoutWidgetKind::Time;
}

// ":" between the hour and the minute, "*" beside a required field.
bool labelsSomething(const LayoutWidget& label)
{
    return std::any_of(label.text.begin(), label.text.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

namespace DialogLayouts {

const DialogLayout* find(std::string_view name)
{
    const auto layouts = all();
    const auto it = std::find_if(layouts.begin(), layouts.end(), [&](const DialogLayout& l) { return l.name == name; });
    return it == layouts.end() ? nullptr : &*it;
}

const DialogLayout* cameraDialog(int dialog)
{
    switch (dialog) {
    case ModelCatalogue::kFullCameraDialog:
        return find("CKRT_CamParaRV718WDlg");
    case ModelCatalogue::k4GCameraDialog:
        return find("CKRT_CamPara4GDlg");
    case ModelCatalogue::kLayoutDCameraDialog:
        return find("CKRT_CamParaRV720QDlg");
    case ModelCatalogue::kLayoutACameraDialog:
        return find("CKRT_CamParaTQ240Dlg");
    case ModelCatalogue::kGroup1CameraDialog:
        return find("CKRT_CamParaGroup1Dlg");
    default:
        return nullptr;
    }
}

const LayoutWidget* widget(const DialogLayout& layout, int ctrlId)
{
    const auto it = std::find_if(layout.widgets.begin(), layout.widgets.end(),
                                 [&](const LayoutWidget& w) { return w.ctrlId == ctrlId; });
    return it == layout.widgets.end() ? nullptr : &*it;
}

const LayoutWidget* labelOf(const DialogLayout& layout, int ctrlId)
{
    std::deque<const LayoutWidget*> waiting;
    const LayoutWidget* last = nullptr;
    int group = -2;
    for (const LayoutWidget& w : layout.widgets) {
        if (w.kind == LayoutWidgetKind::Group)
            continue;
        if (w.group != group) {
            group = w.group;
            waiting.clear();
            last = nullptr;
        }
        if (w.kind == LayoutWidgetKind::Label) {
            if (labelsSomething(w))
                waiting.push_back(&w);
            continue;
        }
        if (!takesLabel(w.kind)) {
            // A button, check box or radio button carries its own text and
            // ends the row of the label before it.
            last = nullptr;
            continue;
        }
        if (!waiting.empty()) {
            last = waiting.front();
            waiting.pop_front();
        }
        if (w.ctrlId == ctrlId)
            return last;
    }
    return nullptr;
}

std::string_view groupTitle(const DialogLayout& layout, const LayoutWidget& widget)
{
    if (widget.group < 0 || static_cast<std::size_t>(widget.group) >= layout.widgets.size())
        return {};
    return layout.widgets[static_cast<std::size_t>(widget.group)].text;
}

std::string_view labelText(const DialogLayout& layout, int ctrlId)
{
    if (const LayoutWidget* label = labelOf(layout, ctrlId))
        return label->text;
    if (const LayoutWidget* w = widget(layout, ctrlId))
        return groupTitle(layout, *w);
    return {};
}

} // namespace DialogLayouts
