#pragma once

#include <span>
#include <string_view>

/// What a widget of a dialog layout is, as far as a front end without Qt
/// needs to know.
enum class LayoutWidgetKind { Group, Label, List, Edit, Check, Radio, Button, Date, Time };

struct LayoutWidget
{
    LayoutWidgetKind kind;
    std::string_view name; // the object name ("pirTriggerCombo")
    int ctrlId;            // 0 where the layout gives none
    std::string_view text; // a label's, button's or box's text, a group box's title
    int group;             // index of the enclosing group box in the layout, -1 for none
};

struct DialogLayout
{
    std::string_view name;  // "CKRT_CamParaRV718WDlg"
    std::string_view title; // the window title
    std::span<const LayoutWidget> widgets; // in document order
};

/// The dialogs' layouts (res/ui), read when the tool is built: every
/// widget with its text and group box, so a front end without Qt shows the
/// labels and groups the dialogs show, and none is copied by hand.
namespace DialogLayouts {

[[nodiscard]] std::span<const DialogLayout> all();
[[nodiscard]] const DialogLayout* find(std::string_view name);
/// The layout a camera settings dialog (143, 154, 156, 158, 204) is built from.
[[nodiscard]] const DialogLayout* cameraDialog(int dialog);

/// The widget with the control id, or nullptr.
[[nodiscard]] const LayoutWidget* widget(const DialogLayout& layout, int ctrlId);

/// The label a list, edit field or date or time picker stands beside: the
/// labels of a group box are taken by its fields in turn, a field with none
/// left shares the label before it (the minute beside the hour of "Start
/// Time"), and a field after a button or without any label before it in its
/// box has its box's title. Separators (":") and markers ("*") label
/// nothing. Nullptr for a widget of another kind or an unknown id.
[[nodiscard]] const LayoutWidget* labelOf(const DialogLayout& layout, int ctrlId);
/// The text of labelOf(), else the title of the field's group box, else "".
[[nodiscard]] std::string_view labelText(const DialogLayout& layout, int ctrlId);
/// The title of the group box the widget stands in, "" for none.
[[nodiscard]] std::string_view groupTitle(const DialogLayout& layout, const LayoutWidget& widget);

} // namespace DialogLayouts
