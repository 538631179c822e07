#include "camera/CameraSettingsDialog.h"

#include "context/AppContext.h"
#include "models/CameraDialogLists.h"
#include "models/ModelCatalogue.h"
#include "network/CKRT_FtpSettingDlg.h"
#include "platform/DialogText.h"
#include "platform/LineEditText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace {

namespace Ctl = CameraCtl;
using namespace CameraDialogRules;
using K = CameraKey;

constexpr std::array kSendModeRadios{Ctl::SendMode1, Ctl::SendMode2, Ctl::SendMode3, Ctl::SendMode4};
constexpr std::array kDayBoxes{Ctl::Sunday, Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday,
                               Ctl::Thursday, Ctl::Friday, Ctl::Saturday};
constexpr std::array kGameCallControls{Ctl::GameCallHour, Ctl::GameCallMinute, Ctl::ReplayTime, Ctl::AddAudio,
                                       Ctl::AudioPath};
constexpr std::array kWorkHourLists{Ctl::StartHour, Ctl::StartMinute, Ctl::StopHour, Ctl::StopMinute};

const QString kAudioFilter = QStringLiteral("Audio File(*.mp3,*.wav,*.aac) (*.mp3 *.wav *.aac)");

Qt::CheckState qtState(WorkDaySelection::Check check)
{
    switch (check) {
    case WorkDaySelection::Check::Checked:
        return Qt::Checked;
    case WorkDaySelection::Check::Indeterminate:
        return Qt::PartiallyChecked;
    case WorkDaySelection::Check::Unchecked:
        break;
    }
    return Qt::Unchecked;
}

void setControlText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
}

std::optional<QString> chooseWithQt(QWidget* parent, const QString& filter)
{
    const QString name = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace

CameraSettingsDialog::CameraSettingsDialog(AppContext& context, std::string listEntry, QWidget* parent)
    : QDialog(parent), m_context(context), m_listEntry(std::move(listEntry)),
      m_audio(context.records().gameCallAudioPath, context.messages()), m_chooseFile(chooseWithQt)
{
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &CameraSettingsDialog::clockTick);
}

void CameraSettingsDialog::initialise(const Shape& shape)
{
    m_shape = shape;
    m_rules = CameraDialogBindings::shape(shape.dialog);
    auto* box = findChild<QDialogButtonBox*>();
    const auto [ok, cancel] = setUpOkCancel(box, QStringLiteral("OK (&Y)"), QStringLiteral("Cancel (&N)"));
    connect(ok, &QPushButton::clicked, this, &CameraSettingsDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &CameraSettingsDialog::reject);
    LineEditText::makeSingleLine(this);

    for (const ListBinding& binding : CameraDialogBindings::lists(m_shape.dialog)) {
        const int id = binding.ctrlId;
        QComboBox* list = combo(id);
        if (id == Ctl::TimeLapse && m_rules->timeLapsePirRule)
            connect(list, &QComboBox::activated, this, &CameraSettingsDialog::timeLapseActivated);
        else if (id == Ctl::PirTrigger && m_rules->timeLapsePirRule)
            connect(list, &QComboBox::activated, this, &CameraSettingsDialog::pirTriggerActivated);
        else if (id == Ctl::SmsControl)
            connect(list, &QComboBox::activated, this, &CameraSettingsDialog::smsControlActivated);
        else if (id == Ctl::GameCall)
            connect(list, &QComboBox::activated, this, &CameraSettingsDialog::gameCallActivated);
        else if (id == Ctl::WorkHour)
            connect(list, &QComboBox::currentIndexChanged, this, &CameraSettingsDialog::updateWorkHourControls);
    }
    if (has(Ctl::AddAudio)) {
        connect(button(Ctl::AddAudio), &QAbstractButton::clicked, this, &CameraSettingsDialog::addAudio);
        // The hint is the field's text while no sound is chosen: show it whole.
        auto* path = control<QLineEdit>(this, Ctl::AudioPath);
        const QString hint = toQt(std::string(GameCallAudioChoice::kHint));
        path->setMinimumWidth(path->fontMetrics().horizontalAdvance(hint) + 4 * path->fontMetrics().averageCharWidth());
    }
    connect(button(Ctl::SetClock), &QAbstractButton::clicked, this, &CameraSettingsDialog::setClockClicked);
    if (has(Ctl::SelectAll)) {
        connect(button(Ctl::SelectAll), &QAbstractButton::clicked, this, [this] {
            m_workDays.clickSelectAll();
            showWorkDays();
        });
        for (int day = 0; day < WorkDaySelection::kDays; ++day) {
            connect(button(kDayBoxes[static_cast<std::size_t>(day)]), &QAbstractButton::clicked, this, [this, day] {
                m_workDays.clickDay(day, m_context.messages());
                showWorkDays();
            });
        }
    }
    for (const int id : m_rules->sendToRadios)
        connect(button(id), &QAbstractButton::clicked, this, [this, id] { sendToClicked(id); });
    if (has(Ctl::SendMode1)) {
        for (std::size_t i = 0; i < kSendModeRadios.size(); ++i)
            connect(button(kSendModeRadios[i]), &QAbstractButton::clicked, this,
                    [this, i] { sendModeClicked(static_cast<int>(i)); });
    }

    // The pickers start at the PC's time; a stored clock replaces it at load.
    const LocalDateTime now = m_context.clock().now();
    if (auto* date = control<QDateTimeEdit>(this, Ctl::ClockDate))
        date->setDate(QDate(now.year, now.month, now.day));
    if (auto* time = control<QDateTimeEdit>(this, Ctl::ClockTime))
        time->setTime(QTime(now.hour, now.minute, now.second));

    if (!Mng_InitForMultiMod() && m_shape.unknownModel == UnknownModel::Refused) {
        // Closed without a look at the record.
        m_refused = true;
        return;
    }
    load();
}

int CameraSettingsDialog::Mng_InitForMultiMod()
{
    // Until a row says otherwise: no camera name, no FTP radio of dialog 143.
    if (QWidget* name = control<QWidget>(this, Ctl::CameraName))
        name->setVisible(false);
    if (QWidget* ftp = control<QWidget>(this, Ctl::SendToFtp))
        ftp->setVisible(false);

    m_variant = CameraDialogVariants::find(m_shape.table, m_listEntry);
    if (!m_variant) {
        const std::string className(m_shape.className);
        if (m_shape.unknownModel == UnknownModel::InvalidCall)
            m_context.messages().error("Invalid call for " + className + "::Mng_InitForMultiMod() !");
        else if (m_shape.unknownModel == UnknownModel::Refused)
            m_context.messages().error("Error In " + className + "::OnInitDialog() !");
        return m_shape.unknownModel == UnknownModel::Ignored ? 1 : 0;
    }
    applyVariant(*m_variant);
    return 1;
}

void CameraSettingsDialog::applyVariant(const CameraDialogVariant& variant)
{
    if (const ModelDescriptor* model = ModelCatalogue::find(m_listEntry)) {
        for (const ItemListEdit& edit : variant.lists) {
            QComboBox* list = combo(edit.ctrlId);
            list->clear();
            for (const std::string& item : CameraDialogLists::modelItems(*model, edit.ctrlId))
                list->addItem(toQt(item));
        }
    }
    for (const LabelText& label : variant.labels)
        setControlText(control<QWidget>(this, label.ctrlId), toQt(std::string(label.text)));
    for (const int id : variant.disabled) {
        m_disabledForLife.insert(id);
        control<QWidget>(this, id)->setEnabled(false);
    }
    for (const int id : variant.hidden)
        control<QWidget>(this, id)->setVisible(false);
    if (variant.cameraNameLimit > 0) {
        auto* name = control<QLineEdit>(this, Ctl::CameraName);
        name->setMaxLength(variant.cameraNameLimit);
        // In bytes as the file stores the name: letters beyond ASCII take
        // more than one, and the file read keeps only so many.
        LineEditText::setMaxBytes(name, variant.cameraNameLimit);
        name->setVisible(true);
    }
    if (QWidget* ftp = control<QWidget>(this, Ctl::SendToFtp)) {
        ftp->setVisible(variant.ftpRadio);
        ftp->setEnabled(variant.ftpRadio);
    }
}

void CameraSettingsDialog::load()
{
    CameraSettings& settings = m_context.records().cameraSettings;
    auto show = [&](int id, CameraKey key) {
        if (!edits(key))
            return;
        QComboBox* list = combo(id);
        const int value = settings.value(key);
        const int position = key == K::MaxNumber ? maxNumberPosition(value, list->count())
                                                 : positionForValue(value, CameraDialogBindings::offsetOf(key), list->count());
        list->setCurrentIndex(position);
    };
    for (const ListBinding& binding : CameraDialogBindings::lists(m_shape.dialog))
        show(binding.ctrlId, binding.key);
    for (const ListBinding& binding : CameraDialogBindings::extensionLists(m_shape.dialog))
        show(binding.ctrlId, binding.key);
    if (has(Ctl::SendMode1)) {
        for (const ListBinding& binding : CameraDialogBindings::sendModeLists())
            show(binding.ctrlId, binding.key);
    }

    if (m_variant && m_variant->cameraNameLimit > 0)
        LineEditText::setBytes(control<QLineEdit>(this, Ctl::CameraName), settings.cameraName());

    if (has(Ctl::GameCall)) {
        m_audio.load(combo(Ctl::GameCall)->currentIndex() > 0, settings.value(K::GameCall));
        updateGameCallControls(combo(Ctl::GameCall)->currentIndex() > 0);
    }
    updateWorkHourControls();

    if (has(Ctl::SelectAll)) {
        m_workDays = WorkDaySelection(settings.value(K::WorkDay));
        showWorkDays();
    }

    if (!m_rules->sendToRadios.empty()) {
        const int sendTo = sendToRadio(settings.value(K::SendTo), sendToOrder());
        for (const int id : m_rules->sendToRadios)
            button(id)->setChecked(id == sendTo);
    }
    if (has(Ctl::SendMode1)) {
        const int offset = m_variant ? m_variant->sendModeOffset : 0;
        showSendMode(sendModeRadio(settings.value(K::SendMode), offset, static_cast<int>(kSendModeRadios.size())));
    }

    if (m_rules->timeLapsePirRule) {
        m_timeLapsePir = TimeLapsePirRule(pirOffPosition());
        combo(Ctl::PirTrigger)
            ->setCurrentIndex(m_timeLapsePir.load(combo(Ctl::TimeLapse)->currentIndex(),
                                                  combo(Ctl::PirTrigger)->currentIndex()));
    }

    const ClockGroupState clock = loadClock(settings);
    button(Ctl::SetClock)->setChecked(clock.setClock);
    if (clock.pickers) {
        const LocalDateTime& t = *clock.pickers;
        control<QDateTimeEdit>(this, Ctl::ClockDate)->setDate(QDate(t.year, t.month, t.day));
        control<QDateTimeEdit>(this, Ctl::ClockTime)->setTime(QTime(t.hour, t.minute, t.second));
    }
    setClockClicked();
    m_clockTimer.start();
}

void CameraSettingsDialog::store()
{
    CameraSettings& settings = m_context.records().cameraSettings;
    auto take = [&](int id, CameraKey key) {
        if (!edits(key))
            return;
        QComboBox* list = combo(id);
        if (key == K::AttachmentSize) {
            std::vector<std::string> items;
            for (int i = 0; i < list->count(); ++i)
                items.push_back(fromQt(list->itemText(i)));
            settings.setValue(key, attachmentSizePosition(fromQt(list->currentText()), items));
            return;
        }
        settings.setValue(key, valueForPosition(list->currentIndex(), CameraDialogBindings::offsetOf(key)));
    };
    for (const ListBinding& binding : CameraDialogBindings::lists(m_shape.dialog))
        take(binding.ctrlId, binding.key);
    for (const ListBinding& binding : CameraDialogBindings::extensionLists(m_shape.dialog))
        take(binding.ctrlId, binding.key);
    if (m_variant && m_variant->cameraNameLimit > 0)
        settings.setCameraName(LineEditText::bytes(control<QLineEdit>(this, Ctl::CameraName)));
    if (has(Ctl::GameCall))
        m_audio.store(combo(Ctl::GameCall)->currentIndex() > 0);
    // A Work Day group the model's dialog switches off cannot have been
    // edited: its mask goes back as it came, bits the boxes cannot show too.
    if (has(Ctl::SelectAll) && !m_disabledForLife.contains(Ctl::SelectAll))
        settings.setValue(K::WorkDay, m_workDays.mask());

    if (!m_rules->sendToRadios.empty()) {
        int sendTo = kNone;
        for (const int id : m_rules->sendToRadios)
            if (button(id)->isChecked())
                sendTo = id;
        settings.setValue(K::SendTo, sendTo == kNone ? m_rules->sendToNone : sendToValue(sendTo, sendToOrder()));
    }
    if (has(Ctl::SendMode1)) {
        settings.setValue(K::SendMode,
                          sendModeValue(checkedSendMode(), m_variant ? m_variant->sendModeOffset : 0));
        for (const ListBinding& binding : CameraDialogBindings::sendModeLists())
            take(binding.ctrlId, binding.key);
    }

    const QDate date = control<QDateTimeEdit>(this, Ctl::ClockDate)->date();
    const QTime time = control<QDateTimeEdit>(this, Ctl::ClockTime)->time();
    storeClock(settings, button(Ctl::SetClock)->isChecked(),
               {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()});
    m_clockTimer.stop();
}

void CameraSettingsDialog::onOk()
{
    MessageService& messages = m_context.messages();
    if (messages.question("Save all camera parameters ?") != MessageAnswer::Ok)
        return;
    store();
    messages.information("OK,Camara parameters have been saved success !");
    accept();
}

int CameraSettingsDialog::exec()
{
    if (m_refused)
        return QDialog::Rejected;
    return QDialog::exec();
}

void CameraSettingsDialog::reject()
{
    m_clockTimer.stop();
    QDialog::reject();
}

void CameraSettingsDialog::timeLapseActivated(int position)
{
    const int shown = m_timeLapsePir.timeLapseChanged(position, combo(Ctl::PirTrigger)->currentIndex(),
                                                      m_context.messages());
    combo(Ctl::TimeLapse)->setCurrentIndex(shown);
}

void CameraSettingsDialog::pirTriggerActivated(int position)
{
    const int shown = m_timeLapsePir.pirTriggerChanged(position, combo(Ctl::TimeLapse)->currentIndex(),
                                                       m_context.messages());
    combo(Ctl::PirTrigger)->setCurrentIndex(shown);
}

void CameraSettingsDialog::smsControlActivated(int position)
{
    if (position != 1)
        return;
    const Message ask{std::string(m_rules->smsQuestion), MessageTitle::Tips, MessageIcon::Warning, MessageButtons::OkCancel};
    if (m_context.messages().show(ask) != MessageAnswer::Ok)
        combo(Ctl::SmsControl)->setCurrentIndex(0);
}

void CameraSettingsDialog::gameCallActivated(int position)
{
    updateGameCallControls(m_audio.enable(position > 0));
}

void CameraSettingsDialog::updateGameCallControls(bool on)
{
    for (const int id : kGameCallControls)
        enableControl(id, on);
    control<QLineEdit>(this, Ctl::AudioPath)->setText(toQt(m_audio.fieldText()));
}

void CameraSettingsDialog::updateWorkHourControls()
{
    const bool on = combo(Ctl::WorkHour)->currentIndex() != 0;
    for (const int id : kWorkHourLists)
        enableControl(id, on);
}

void CameraSettingsDialog::addAudio()
{
    const std::optional<QString> chosen = m_chooseFile(this, kAudioFilter);
    const bool exists = chosen && QFileInfo(*chosen).isFile();
    m_audio.choose(chosen ? std::optional<std::string>(fromQt(*chosen)) : std::nullopt, exists);
    control<QLineEdit>(this, Ctl::AudioPath)->setText(toQt(m_audio.fieldText()));
}

void CameraSettingsDialog::setClockClicked()
{
    const bool pickersOn = !button(Ctl::SetClock)->isChecked();
    enableControl(Ctl::ClockDate, pickersOn);
    enableControl(Ctl::ClockTime, pickersOn);
    clockTick();
}

void CameraSettingsDialog::clockTick()
{
    if (!button(Ctl::SetClock)->isChecked())
        return;
    const LocalDateTime now = m_context.clock().now();
    control<QDateTimeEdit>(this, Ctl::ClockDate)->setDate(QDate(now.year, now.month, now.day));
    control<QDateTimeEdit>(this, Ctl::ClockTime)->setTime(QTime(now.hour, now.minute, now.second));
}

void CameraSettingsDialog::showWorkDays()
{
    for (int day = 0; day < WorkDaySelection::kDays; ++day)
        qobject_cast<QCheckBox*>(button(kDayBoxes[static_cast<std::size_t>(day)]))
            ->setCheckState(qtState(m_workDays.day(day)));
    qobject_cast<QCheckBox*>(button(Ctl::SelectAll))->setCheckState(qtState(m_workDays.selectAll()));
}

void CameraSettingsDialog::sendToClicked(int ctrlId)
{
    for (const int id : m_rules->sendToRadios)
        button(id)->setChecked(id == ctrlId);
    if (ctrlId == m_rules->ftpRadio) {
        CKRT_FtpSettingDlg ftp(m_context.records().ftpParameters, m_context.messages(), this);
        ftp.exec();
    }
}

void CameraSettingsDialog::sendModeClicked(int index)
{
    showSendMode(index);
}

void CameraSettingsDialog::showSendMode(int index)
{
    if (!has(Ctl::SendMode1))
        return;
    for (std::size_t i = 0; i < kSendModeRadios.size(); ++i)
        button(kSendModeRadios[i])->setChecked(static_cast<int>(i) == index);
    const SendModeEnables enables = sendModeEnables(index);
    enableControl(Ctl::SendTimeHour, enables.sendTime);
    enableControl(Ctl::SendTimeMinute, enables.sendTime);
    enableControl(Ctl::MaxNumber, enables.maxNumber);
}

int CameraSettingsDialog::checkedSendMode() const
{
    for (std::size_t i = 0; i < kSendModeRadios.size(); ++i)
        if (button(kSendModeRadios[i])->isChecked())
            return static_cast<int>(i);
    return kNone;
}

void CameraSettingsDialog::enableControl(int ctrlId, bool on)
{
    control<QWidget>(this, ctrlId)->setEnabled(on && !m_disabledForLife.contains(ctrlId));
}

QComboBox* CameraSettingsDialog::combo(int ctrlId) const
{
    return control<QComboBox>(this, ctrlId);
}

QAbstractButton* CameraSettingsDialog::button(int ctrlId) const
{
    return control<QAbstractButton>(this, ctrlId);
}

int CameraSettingsDialog::pirOffPosition() const
{
    return combo(Ctl::PirTrigger)->findText(QStringLiteral("OFF"));
}

std::span<const int> CameraSettingsDialog::sendToOrder() const
{
    if (m_variant)
        return m_variant->sendToRadios;
    return m_rules->sendToRadios;
}

bool CameraSettingsDialog::has(int ctrlId) const
{
    return control<QWidget>(this, ctrlId) != nullptr;
}

// A key the model's file does not carry is neither shown nor stored, so a
// value the record holds for it stays as it is.
bool CameraSettingsDialog::edits(CameraKey key) const
{
    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    return !model || modelHasCameraKey(*model, key);
}
