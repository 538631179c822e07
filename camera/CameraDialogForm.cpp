#include "camera/CameraDialogForm.h"

#include "camera/CameraDialogBindings.h"
#include "models/CameraDialogLists.h"
#include "models/CameraLayoutKeys.h"
#include "models/DialogLayouts.h"
#include "platform/Clock.h"
#include "platform/MessageService.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace {

namespace Ctl = CameraCtl;
using namespace CameraDialogRules;
using K = CameraKey;

constexpr std::array kSendModeRadios{Ctl::SendMode1, Ctl::SendMode2, Ctl::SendMode3, Ctl::SendMode4};
constexpr std::array kDayBoxes{Ctl::Sunday,   Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday,
                               Ctl::Thursday, Ctl::Friday, Ctl::Saturday};
constexpr std::array kGameCallControls{Ctl::GameCallHour, Ctl::GameCallMinute, Ctl::ReplayTime, Ctl::AddAudio,
                                       Ctl::AudioPath};
constexpr std::array kWorkHourLists{Ctl::StartHour, Ctl::StartMinute, Ctl::StopHour, Ctl::StopMinute};

std::optional<CameraDialogForm::Kind> formKind(LayoutWidgetKind kind)
{
    using F = CameraDialogForm::Kind;
    switch (kind) {
    case LayoutWidgetKind::List:
        return F::List;
    case LayoutWidgetKind::Radio:
        return F::Radio;
    case LayoutWidgetKind::Check:
        return F::Check;
    case LayoutWidgetKind::Edit:
        return F::Edit;
    case LayoutWidgetKind::Date:
        return F::Date;
    case LayoutWidgetKind::Time:
        return F::Time;
    case LayoutWidgetKind::Button:
        return F::Button;
    default:
        return std::nullopt;
    }
}

int checkValue(WorkDaySelection::Check check)
{
    switch (check) {
    case WorkDaySelection::Check::Checked:
        return CameraDialogForm::kChecked;
    case WorkDaySelection::Check::Indeterminate:
        return CameraDialogForm::kIndeterminate;
    case WorkDaySelection::Check::Unchecked:
        break;
    }
    return CameraDialogForm::kUnchecked;
}

std::optional<std::array<int, 3>> parseNumbers(std::string_view text, char separator, std::size_t minimum)
{
    std::array<int, 3> parts{};
    std::size_t count = 0;
    while (count < parts.size()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        const std::string_view part = text.substr(0, end);
        const auto [ptr, error] = std::from_chars(part.data(), part.data() + part.size(), parts[count]);
        if (part.empty() || error != std::errc() || ptr != part.data() + part.size())
            return std::nullopt;
        ++count;
        if (end == text.size())
            break;
        text.remove_prefix(end + 1);
        if (count == parts.size())
            return std::nullopt;
    }
    if (count < minimum)
        return std::nullopt;
    return parts;
}

std::string twoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

} // namespace

CameraDialogForm::CameraDialogForm(const ModelDescriptor& model, CameraSettings record, std::string audioPath,
                                   MessageService& messages, const Clock& clock)
    : m_model(model), m_shape(CameraDialogBindings::shape(model.cameraDialog)), m_record(std::move(record)),
      m_audioPath(std::move(audioPath)), m_messages(messages), m_clock(clock), m_audio(m_audioPath, messages)
{
    if (model.cameraDialog == ModelCatalogue::kFullCameraDialog)
        m_variant = CameraDialogVariants::find(CameraDialogVariants::dialog143(), model.listEntry);
    else if (model.cameraDialog == ModelCatalogue::k4GCameraDialog)
        m_variant = CameraDialogVariants::find(CameraDialogVariants::dialog204(), model.listEntry);
    else if (model.cameraDialog == ModelCatalogue::kGroup1CameraDialog)
        m_variant = CameraDialogVariants::find(CameraDialogVariants::dialog158(), model.listEntry);
    if (const DialogLayout* layout = DialogLayouts::cameraDialog(model.cameraDialog); layout && m_shape) {
        build(*layout);
        load();
    }
}

void CameraDialogForm::build(const DialogLayout& layout)
{
    for (const LayoutWidget& widget : layout.widgets) {
        const std::optional<Kind> kind = formKind(widget.kind);
        if (!kind || widget.ctrlId == 0)
            continue;
        Control control;
        control.ctrlId = widget.ctrlId;
        control.kind = *kind;
        control.name = widget.name;
        control.group = DialogLayouts::groupTitle(layout, widget);
        const LayoutWidget* label = DialogLayouts::labelOf(layout, widget.ctrlId);
        control.label = label ? label->text : widget.text;
        if (control.label.empty())
            control.label = control.group;
        if (m_variant) {
            for (const LabelText& text : m_variant->labels) {
                if (text.ctrlId == widget.ctrlId || (label && label->ctrlId != 0 && text.ctrlId == label->ctrlId))
                    control.label = text.text;
            }
        }
        if (control.kind == Kind::List) {
            control.items = CameraDialogLists::modelItems(m_model, widget.ctrlId);
            // A list with items shows its first one until told otherwise.
            control.value = control.items.empty() ? kNone : 0;
        }
        m_controls.push_back(std::move(control));
    }

    // Until the model's row says otherwise: no camera name, no FTP radio of dialog 143.
    if (Control* name = find(Ctl::CameraName))
        name->visible = false;
    if (Control* ftp = find(Ctl::SendToFtp))
        ftp->visible = ftp->enabled = false;
    if (!m_variant)
        return;
    for (const int id : m_variant->disabled) {
        m_disabledForLife.insert(id);
        enable(id, false);
    }
    for (const int id : m_variant->hidden) {
        if (Control* c = find(id))
            c->visible = false;
    }
    if (m_variant->cameraNameLimit > 0) {
        if (Control* name = find(Ctl::CameraName)) {
            name->visible = true;
            name->maxLength = m_variant->cameraNameLimit;
        }
    }
    if (Control* ftp = find(Ctl::SendToFtp))
        ftp->visible = ftp->enabled = m_variant->ftpRadio;
}

void CameraDialogForm::load()
{
    auto show = [&](int id, CameraKey key) {
        Control* list = find(id);
        if (!list || !edits(key))
            return;
        const int value = m_record.value(key);
        const int count = static_cast<int>(list->items.size());
        list->value = key == K::MaxNumber ? maxNumberPosition(value, count)
                                          : positionForValue(value, CameraDialogBindings::offsetOf(key), count);
    };
    for (const ListBinding& binding : CameraDialogBindings::lists(m_shape->dialog))
        show(binding.ctrlId, binding.key);
    for (const ListBinding& binding : CameraDialogBindings::extensionLists(m_shape->dialog))
        show(binding.ctrlId, binding.key);
    if (has(Ctl::SendMode1)) {
        for (const ListBinding& binding : CameraDialogBindings::sendModeLists())
            show(binding.ctrlId, binding.key);
    }

    if (m_variant && m_variant->cameraNameLimit > 0)
        find(Ctl::CameraName)->text = m_record.cameraName();

    if (has(Ctl::GameCall)) {
        m_audio.load(valueOf(Ctl::GameCall) > 0, m_record.value(K::GameCall));
        showGameCall();
    }
    showWorkHour();

    if (has(Ctl::SelectAll)) {
        m_workDays = WorkDaySelection(m_record.value(K::WorkDay));
        showWorkDays();
    }
    if (!m_shape->sendToRadios.empty()) {
        const int sendTo = sendToRadio(m_record.value(K::SendTo), sendToOrder());
        for (const int id : m_shape->sendToRadios)
            setValue(id, id == sendTo ? kChecked : kUnchecked);
    }
    if (has(Ctl::SendMode1)) {
        const int offset = m_variant ? m_variant->sendModeOffset : 0;
        showSendMode(sendModeRadio(m_record.value(K::SendMode), offset, static_cast<int>(kSendModeRadios.size())));
    }
    if (m_shape->timeLapsePirRule) {
        const std::vector<std::string>& pirItems = find(Ctl::PirTrigger)->items;
        const auto off = std::find(pirItems.begin(), pirItems.end(), "OFF");
        m_timeLapsePir = TimeLapsePirRule(off == pirItems.end() ? kNone : static_cast<int>(off - pirItems.begin()));
        setValue(Ctl::PirTrigger, m_timeLapsePir.load(valueOf(Ctl::TimeLapse), valueOf(Ctl::PirTrigger)));
    }

    // The pickers start at the PC's time; a stored clock replaces it.
    setPickers(m_clock.now());
    const ClockGroupState clock = loadClock(m_record);
    setValue(Ctl::SetClock, clock.setClock ? kChecked : kUnchecked);
    if (clock.pickers)
        setPickers(*clock.pickers);
    showClock();
}

void CameraDialogForm::store(CameraSettings& record, std::string& audioPath) const
{
    auto take = [&](int id, CameraKey key) {
        if (has(id) && edits(key))
            record.setValue(key, valueForPosition(valueOf(id), CameraDialogBindings::offsetOf(key)));
    };
    for (const ListBinding& binding : CameraDialogBindings::lists(m_shape->dialog))
        take(binding.ctrlId, binding.key);
    for (const ListBinding& binding : CameraDialogBindings::extensionLists(m_shape->dialog))
        take(binding.ctrlId, binding.key);
    if (m_variant && m_variant->cameraNameLimit > 0)
        record.setCameraName(control(Ctl::CameraName)->text);
    if (has(Ctl::GameCall)) {
        // The path field's text, not the sound the form started from, is what OK keeps.
        GameCallAudioChoice choice(audioPath, m_messages);
        choice.choose(m_audio.fieldText(), true);
        choice.store(valueOf(Ctl::GameCall) > 0);
    }
    // A Work Day group the model's dialog switches off cannot have been
    // edited: its mask goes back as it came.
    if (has(Ctl::SelectAll) && !m_disabledForLife.contains(Ctl::SelectAll))
        record.setValue(K::WorkDay, m_workDays.mask());
    if (!m_shape->sendToRadios.empty()) {
        const int sendTo = checkedRadio(m_shape->sendToRadios);
        record.setValue(K::SendTo, sendTo == kNone ? m_shape->sendToNone : sendToValue(sendTo, sendToOrder()));
    }
    if (has(Ctl::SendMode1)) {
        const int offset = m_variant ? m_variant->sendModeOffset : 0;
        const int radio = checkedRadio(kSendModeRadios);
        const auto index = std::find(kSendModeRadios.begin(), kSendModeRadios.end(), radio);
        record.setValue(K::SendMode, sendModeValue(index == kSendModeRadios.end()
                                                       ? kNone
                                                       : static_cast<int>(index - kSendModeRadios.begin()),
                                                   offset));
        for (const ListBinding& binding : CameraDialogBindings::sendModeLists())
            take(binding.ctrlId, binding.key);
    }
    storeClock(record, valueOf(Ctl::SetClock) == kChecked, picked());
}

void CameraDialogForm::choose(int ctrlId, int position)
{
    Control* list = find(ctrlId);
    if (!list || list->kind != Kind::List || !list->enabled || !list->visible || position < 0 ||
        position >= static_cast<int>(list->items.size()))
        return;
    m_edited = true;
    if (m_shape->timeLapsePirRule && ctrlId == Ctl::TimeLapse) {
        position = m_timeLapsePir.timeLapseChanged(position, valueOf(Ctl::PirTrigger), m_messages);
    } else if (m_shape->timeLapsePirRule && ctrlId == Ctl::PirTrigger) {
        position = m_timeLapsePir.pirTriggerChanged(position, valueOf(Ctl::TimeLapse), m_messages);
    } else if (ctrlId == Ctl::SmsControl && position == 1) {
        const Message ask{std::string(m_shape->smsQuestion), MessageTitle::Tips, MessageIcon::Warning,
                          MessageButtons::OkCancel};
        if (m_messages.show(ask) != MessageAnswer::Ok)
            position = 0;
    }
    setValue(ctrlId, position);
    if (ctrlId == Ctl::GameCall) {
        m_audio.enable(position > 0);
        showGameCall();
    } else if (ctrlId == Ctl::WorkHour) {
        showWorkHour();
    }
}

void CameraDialogForm::click(int ctrlId)
{
    const Control* clicked = control(ctrlId);
    if (!clicked || !clicked->enabled || !clicked->visible)
        return;
    m_edited = true;
    if (ctrlId == Ctl::SetClock) {
        setValue(Ctl::SetClock, valueOf(Ctl::SetClock) == kChecked ? kUnchecked : kChecked);
        showClock();
        return;
    }
    if (ctrlId == Ctl::SelectAll) {
        m_workDays.clickSelectAll();
        showWorkDays();
        return;
    }
    if (const auto day = std::find(kDayBoxes.begin(), kDayBoxes.end(), ctrlId); day != kDayBoxes.end()) {
        m_workDays.clickDay(static_cast<int>(day - kDayBoxes.begin()), m_messages);
        showWorkDays();
        return;
    }
    const auto& sendTo = m_shape->sendToRadios;
    if (std::find(sendTo.begin(), sendTo.end(), ctrlId) != sendTo.end()) {
        for (const int id : sendTo)
            setValue(id, id == ctrlId ? kChecked : kUnchecked);
        if (ctrlId == m_shape->ftpRadio)
            m_ftpChosen = true;
        return;
    }
    if (const auto mode = std::find(kSendModeRadios.begin(), kSendModeRadios.end(), ctrlId);
        mode != kSendModeRadios.end() && has(Ctl::SendMode1))
        showSendMode(static_cast<int>(mode - kSendModeRadios.begin()));
}

void CameraDialogForm::setText(int ctrlId, std::string_view text)
{
    Control* field = find(ctrlId);
    if (!field || !field->enabled)
        return;
    if (ctrlId == Ctl::CameraName && field->visible) {
        // In bytes as the file keeps the name, cut at a whole character.
        field->text = field->maxLength > 0 ? std::string(leadingBytes(text, static_cast<std::size_t>(field->maxLength)))
                                           : std::string(text);
        m_edited = true;
    } else if (ctrlId == Ctl::ClockDate) {
        if (const auto date = parseNumbers(text, '-', 3)) {
            LocalDateTime t = picked();
            t.year = (*date)[0];
            t.month = (*date)[1];
            t.day = (*date)[2];
            setPickers(t);
            m_edited = true;
        }
    } else if (ctrlId == Ctl::ClockTime) {
        if (const auto time = parseNumbers(text, ':', 2)) {
            LocalDateTime t = picked();
            t.hour = (*time)[0];
            t.minute = (*time)[1];
            t.second = (*time)[2];
            setPickers(t);
            m_edited = true;
        }
    }
}

void CameraDialogForm::chooseAudio(const std::optional<std::string>& file)
{
    Control* field = find(Ctl::AudioPath);
    const Control* button = control(Ctl::AddAudio);
    if (!field || !button || !button->enabled)
        return;
    m_edited = true;
    m_audio.choose(file, file.has_value());
    field->text = m_audio.fieldText();
}

void CameraDialogForm::tick()
{
    if (valueOf(Ctl::SetClock) == kChecked)
        setPickers(m_clock.now());
}

const CameraDialogForm::Control* CameraDialogForm::control(int ctrlId) const
{
    const auto it =
        std::find_if(m_controls.begin(), m_controls.end(), [&](const Control& c) { return c.ctrlId == ctrlId; });
    return it == m_controls.end() ? nullptr : &*it;
}

CameraDialogForm::Control* CameraDialogForm::find(int ctrlId)
{
    return const_cast<Control*>(control(ctrlId));
}

int CameraDialogForm::valueOf(int ctrlId) const
{
    const Control* c = control(ctrlId);
    return c ? c->value : kNone;
}

void CameraDialogForm::setValue(int ctrlId, int value)
{
    if (Control* c = find(ctrlId))
        c->value = value;
}

void CameraDialogForm::enable(int ctrlId, bool on)
{
    if (Control* c = find(ctrlId))
        c->enabled = on && !m_disabledForLife.contains(ctrlId);
}

// A key the model's file does not carry is neither shown nor stored, so a
// value the record holds for it stays as it is.
bool CameraDialogForm::edits(CameraKey key) const
{
    return modelHasCameraKey(m_model, key);
}

std::span<const int> CameraDialogForm::sendToOrder() const
{
    return m_variant ? m_variant->sendToRadios : m_shape->sendToRadios;
}

int CameraDialogForm::checkedRadio(std::span<const int> radios) const
{
    for (const int id : radios) {
        if (valueOf(id) == kChecked)
            return id;
    }
    return kNone;
}

void CameraDialogForm::showGameCall()
{
    const bool on = valueOf(Ctl::GameCall) > 0;
    for (const int id : kGameCallControls)
        enable(id, on);
    if (Control* field = find(Ctl::AudioPath))
        field->text = m_audio.fieldText();
}

void CameraDialogForm::showWorkHour()
{
    const bool on = valueOf(Ctl::WorkHour) != 0;
    for (const int id : kWorkHourLists)
        enable(id, on);
}

void CameraDialogForm::showWorkDays()
{
    for (int day = 0; day < WorkDaySelection::kDays; ++day)
        setValue(kDayBoxes[static_cast<std::size_t>(day)], checkValue(m_workDays.day(day)));
    setValue(Ctl::SelectAll, checkValue(m_workDays.selectAll()));
}

void CameraDialogForm::showSendMode(int radio)
{
    for (std::size_t i = 0; i < kSendModeRadios.size(); ++i)
        setValue(kSendModeRadios[i], static_cast<int>(i) == radio ? kChecked : kUnchecked);
    const SendModeEnables enables = sendModeEnables(radio);
    enable(Ctl::SendTimeHour, enables.sendTime);
    enable(Ctl::SendTimeMinute, enables.sendTime);
    enable(Ctl::MaxNumber, enables.maxNumber);
}

void CameraDialogForm::showClock()
{
    const bool pickersOn = valueOf(Ctl::SetClock) != kChecked;
    enable(Ctl::ClockDate, pickersOn);
    enable(Ctl::ClockTime, pickersOn);
    tick();
}

void CameraDialogForm::setPickers(const LocalDateTime& time)
{
    if (Control* date = find(Ctl::ClockDate))
        date->text = std::to_string(time.year) + '-' + twoDigits(time.month) + '-' + twoDigits(time.day);
    if (Control* clock = find(Ctl::ClockTime))
        clock->text = twoDigits(time.hour) + ':' + twoDigits(time.minute) + ':' + twoDigits(time.second);
}

LocalDateTime CameraDialogForm::picked() const
{
    LocalDateTime t;
    const Control* date = control(Ctl::ClockDate);
    const Control* clock = control(Ctl::ClockTime);
    if (const auto d = date ? parseNumbers(date->text, '-', 3) : std::nullopt) {
        t.year = (*d)[0];
        t.month = (*d)[1];
        t.day = (*d)[2];
    }
    if (const auto c = clock ? parseNumbers(clock->text, ':', 2) : std::nullopt) {
        t.hour = (*c)[0];
        t.minute = (*c)[1];
        t.second = (*c)[2];
    }
    return t;
}
