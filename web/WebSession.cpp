#include "web/WebSession.h"

#include "audio/GameCallWav.h"
#include "models/DialogLayouts.h"
#include "network/NetworkDialogRules.h"
#include "network/SmtpProviders.h"
#include "web/WebValues.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <vector>

using emscripten::val;
using namespace WebValues;

namespace {

namespace fs = std::filesystem;

// The memory drives: the PC's C: (the backup folder) and the card.
const fs::path kDriveC = "/krt/C";
const fs::path kCard = "/krt/E";

// The network dialog's fields in its own order (the record's field order).
constexpr std::array<int, NetworkParameters::FieldCount> kNetworkControls{1011, 1015, 1018, 1016, 1013, 1012, 1024,
                                                                         1022, 1021, 1019, 1023, 1020, 1025};
constexpr std::array<int, MainParaCore::kCustomerFieldCount> kCustomerControls{1009, 1010, 1011, 1012,
                                                                              1015, 1016, 1017, 1018};
constexpr std::array<int, FtpParameters::FieldCount> kFtpControls{1079, 1081, 1080, 1082};
constexpr int kEncryptionBox = 1001;
constexpr std::array<int, 3> kSecurityRadios{1056, 1057, 1058};
constexpr std::size_t kSendEmailAddr = NetworkParameters::SendEmailAddr;

// The address control takes digits only, 0 to 255 in each part; an empty part is 0.
int ipPart(const std::string& text)
{
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), 255);
    }
    return value;
}

} // namespace

WebSession::WebSession(std::string listEntry, val ask)
    : m_model(ModelCatalogue::find(listEntry)), m_messages(std::move(ask)), m_placement(m_messages)
{
    // Emscripten starts with a umask that takes every permission from a new
    // file, which the file layer would take for a read-only mark; a page
    // has no user's umask to keep, so the usual one stands.
    ::umask(022);
    std::error_code ec;
    fs::remove_all("/krt", ec);
    fs::create_directories(kDriveC);
    fs::create_directories(kCard);
    DriveMap drives;
    drives.set('C', kDriveC.string());
    drives.set('E', kCard.string());
    m_context = std::make_unique<AppContext>(drives, RegistryStore("/krt/registry"), m_messages, m_clock);
    const auto variant = m_model && m_model->mainDialog == ModelCatalogue::kEncryptedMainDialog
                             ? MainParaCore::Variant::Encrypted
                             : MainParaCore::Variant::Plain;
    m_core = std::make_unique<MainParaCore>(*m_context, listEntry, variant);
    ParameterRecords& records = m_context->records();
    m_operators = std::make_unique<OperatorSelection>(
        records.networkParameters, records.loadedNetworkCopy, m_messages, m_core->className(),
        variant == MainParaCore::Variant::Plain ? OperatorSelection::Variant::Plain
                                                : OperatorSelection::Variant::Encrypted);
    // "Others......" opens the network dialog in its user-defined mode: here
    // the fields below the lists, which every later SAVE confirms.
    m_operators->setUserDefinedDialog([] { return true; });
    // The sound is converted in the page; the save flow only says it is due.
    m_core->setGameCallAudioHooks({{}, {}, [this] { m_placeSound = true; }});
}

std::string WebSession::fileName() const
{
    return m_core->fileTexts().fileName;
}

std::string WebSession::cardPath() const
{
    return m_core->fileTexts().relativeCardPath;
}

void WebSession::open(val cardFile)
{
    if (!m_core->Mng_CurModSaveInfoSet())
        return;
    if (!cardFile.isUndefined() && !cardFile.isNull()) {
        const std::string data = cardFile.as<std::string>();
        fs::create_directories(kCard / "GSM");
        std::ofstream(kCard / "GSM" / fileName(), std::ios::binary) << data;
    }
    m_operators->Mng_OperatorSelection(OperatorSelection::kFill);
    m_core->Mng_SearchDisks();
    m_emailTied = m_core->receiveEmailTiedToSender();
    loadNetworkForm();
    newCameraForm();
}

void WebSession::newCameraForm()
{
    if (!m_model)
        return;
    ParameterRecords& records = m_context->records();
    m_camera = std::make_unique<CameraDialogForm>(*m_model, records.cameraSettings, records.gameCallAudioPath,
                                                  m_messages, m_context->clock());
}

void WebSession::loadNetworkForm()
{
    const NetworkParameters& record = m_context->records().networkParameters;
    m_network.typed = record.fields;
    m_network.ip = {};
    if (const auto parts = NetworkDialogRules::parseIpv4(record.fields[NetworkParameters::MmsIp])) {
        for (std::size_t i = 0; i < parts->size(); ++i)
            m_network.ip[i] = std::to_string((*parts)[i]);
    }
    m_network.typed[NetworkParameters::MmsIp].clear();
    if (m_network.typed[kSendEmailAddr] == kPlaceholderAddress)
        m_network.typed[kSendEmailAddr].clear();
    m_network.security = static_cast<int>(smtpSecurityFromText(record.smtpSecurity));
    m_network.encryption = m_network.security != 0;
    m_network.edited = false;
    m_network.ftp = m_context->records().ftpParameters;
    m_network.ftpEdited = false;
}

void WebSession::storeNetworkForm()
{
    ParameterRecords& records = m_context->records();
    NetworkParameters& record = records.networkParameters;
    NetworkDialogRules::SendingFields typed{m_network.typed[NetworkParameters::SendEmailServer],
                                            m_network.typed[NetworkParameters::SendEmailPort],
                                            m_network.typed[kSendEmailAddr],
                                            m_network.typed[NetworkParameters::SendEmailPassword]};
    const bool changed = m_operators->changeWatch() && NetworkDialogRules::sendingFieldsChanged(typed, record);
    NetworkDialogRules::Ipv4Parts parts{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i] = ipPart(m_network.ip[i]);
    for (std::size_t field = 0; field < NetworkParameters::FieldCount; ++field) {
        const std::string value = field == NetworkParameters::MmsIp
                                      ? NetworkDialogRules::formatIpv4(parts)
                                      : NetworkDialogRules::storedFieldText(field, m_network.typed[field]);
        record.fields[field] = value;
        records.loadedNetworkCopy.fields[field] = value;
    }
    if (record.fields[kSendEmailAddr] == kPlaceholderAddress)
        record.fields[kSendEmailAddr].clear();
    record.smtpSecurity = smtpSecurityText(m_network.security);
    // The sending account no longer stands for the chosen operator's preset.
    if (changed)
        m_operators->forgetPreset();
    m_network.edited = false;
}

val WebSession::state()
{
    val out = val::object();
    out.set("title", "KRT CONFIG : For " + m_core->listEntry());
    out.set("fileName", fileName());
    out.set("cardPath", cardPath());
    out.set("hasModel", m_model != nullptr);
    if (m_model) {
        out.set("hasFtp", m_model->hasFtpSection);
        out.set("hasSmtpSecurity", m_model->hasSmtpSecurity);
        out.set("hasGameCallAudio", m_model->hasGameCallAudio);
    }

    // Contacts: the main dialog's customer fields.
    const char* main = "CKRT_MainParaDlg";
    val contacts = val::array();
    for (std::size_t i = 0; i < kCustomerControls.size(); ++i) {
        val field = val::object();
        const int id = kCustomerControls[i];
        field.set("ctrlId", id);
        field.set("name", std::string(DialogLayouts::widget(layout(main), id)->name));
        field.set("label", i == 0 && m_model ? std::string(m_model->firstPhoneLabel) : label(main, id));
        field.set("text", m_core->customerInfo()[i]);
        field.set("readOnly", i == 4 && m_emailTied);
        contacts.call<void>("push", field);
    }
    out.set("contacts", contacts);
    out.set("contactsGroup", groupOf(main, kCustomerControls[0]));
    out.set("emailTied", m_emailTied);
    out.set("emailTieLabel", label("CKRT_WapInternetDlg", 1020));

    // Network: the country and operator lists, the network dialog's fields.
    val network = val::object();
    network.set("group", groupOf(main, 1003));
    network.set("countryLabel", label(main, 1003));
    network.set("operatorLabel", label(main, 1004));
    network.set("countries", array(m_operators->countries().items));
    network.set("country", m_operators->countries().selected);
    network.set("operators", array(m_operators->operators().items));
    network.set("operator", m_operators->operators().selected);
    network.set("userDefined", m_network.userDefined);
    network.set("topLine", std::string(m_network.userDefined ? NetworkDialogRules::kUserDefinedLine
                                                             : NetworkDialogRules::kCurrentParametersLine));
    const char* wap = "CKRT_WapInternetDlg";
    val fields = val::array();
    for (std::size_t i = 0; i < kNetworkControls.size(); ++i) {
        val field = val::object();
        const int id = kNetworkControls[i];
        field.set("index", static_cast<int>(i));
        field.set("ctrlId", id);
        field.set("name", std::string(DialogLayouts::widget(layout(wap), id)->name));
        field.set("label", label(wap, id));
        field.set("group", groupOf(wap, id));
        field.set("text", m_network.typed[i]);
        const bool sending = i >= NetworkParameters::SendEmailServer;
        field.set("enabled", m_network.userDefined || sending);
        field.set("required", sending);
        field.set("password", i == NetworkParameters::MmsPassword || i == NetworkParameters::GprsPassword ||
                                  i == NetworkParameters::SendEmailPassword);
        fields.call<void>("push", field);
    }
    network.set("fields", fields);
    network.set("ip", array(std::vector<std::string>(m_network.ip.begin(), m_network.ip.end())));
    network.set("placeholder", std::string(kPlaceholderAddress));
    network.set("clearLabel", widgetText(wap, 1017));
    const char* advanced = "CKRT_AdvancedSetupDlg";
    network.set("securityGroup", groupOf(advanced, kEncryptionBox));
    network.set("encryptionLabel", widgetText(advanced, kEncryptionBox));
    network.set("encryption", m_network.encryption);
    network.set("security", m_network.security);
    val radios = val::array();
    for (const int id : kSecurityRadios)
        radios.call<void>("push", widgetText(advanced, id));
    network.set("securityLabels", radios);
    const char* ftpLayout = "CKRT_FtpSettingDlg";
    network.set("ftpGroup", groupOf(ftpLayout, kFtpControls[0]));
    val ftp = val::array();
    for (std::size_t i = 0; i < kFtpControls.size(); ++i) {
        val field = val::object();
        field.set("ctrlId", kFtpControls[i]);
        field.set("label", label(ftpLayout, kFtpControls[i]));
        field.set("text", m_network.ftp.fields[i]);
        field.set("password", i == FtpParameters::FtpPassword);
        ftp.call<void>("push", field);
    }
    network.set("ftp", ftp);
    out.set("network", network);

    // Camera: the model's camera settings dialog.
    val camera = val::array();
    if (m_camera) {
        for (const CameraDialogForm::Control& c : m_camera->controls()) {
            val control = val::object();
            control.set("ctrlId", c.ctrlId);
            control.set("kind", std::string(kindName(c.kind)));
            control.set("name", c.name);
            control.set("group", c.group);
            control.set("label", c.label);
            control.set("items", array(c.items));
            control.set("visible", c.visible);
            control.set("enabled", c.enabled);
            control.set("value", c.value);
            control.set("text", c.text);
            control.set("maxLength", c.maxLength);
            camera.call<void>("push", control);
        }
        out.set("ftpChosen", m_camera->ftpChosen());
    }
    out.set("camera", camera);
    out.set("defaultLabel", widgetText(main, 1006));
    out.set("cameraHint", [&] {
        for (const LayoutWidget& w : layout(main).widgets)
            if (w.name == "cameraHintLabel")
                return std::string(w.text);
        return std::string();
    }());

    val messages = val::array();
    for (const Message& m : m_messages.take()) {
        val message = val::object();
        message.set("text", m.text);
        message.set("title", m.title);
        message.set("icon", std::string(messageIconName(m.icon)));
        message.set("detail", m.detail);
        messages.call<void>("push", message);
    }
    out.set("messages", messages);
    return out;
}

void WebSession::setCustomer(int field, std::string text)
{
    if (field < 0 || field >= MainParaCore::kCustomerFieldCount || (field == 4 && m_emailTied))
        return;
    m_core->customerInfo()[static_cast<std::size_t>(field)] = std::move(text);
}

bool WebSession::sendingServerTyped() const
{
    return !m_network.typed[NetworkParameters::SendEmailServer].empty();
}

void WebSession::refreshTiedEmail()
{
    if (m_emailTied && sendingServerTyped())
        m_core->customerInfo()[4] = NetworkDialogRules::storedFieldText(kSendEmailAddr, m_network.typed[kSendEmailAddr]);
}

void WebSession::clickEmailTie()
{
    m_emailTied = !m_emailTied;
    refreshTiedEmail();
}

bool WebSession::emailFocused()
{
    if (!m_emailFocusGuard)
        return false;
    m_emailFocusGuard = false;
    const bool tied = m_emailTied;
    if (tied) {
        m_messages.information(MainParaCore::kEmailTied);
        refreshTiedEmail();
    }
    m_emailFocusGuard = true;
    return tied;
}

void WebSession::selectCountry(int row)
{
    const bool others = m_operators->countries().textAt(row) == OperatorSelection::kOthers;
    m_operators->countrySelectionChanged(row);
    m_network.userDefined = others;
    loadNetworkForm();
    refreshTiedEmail();
}

void WebSession::selectOperator(int row)
{
    const bool others = m_operators->operators().textAt(row) == OperatorSelection::kOthers;
    m_operators->operatorSelectionChanged(row);
    m_network.userDefined = others;
    loadNetworkForm();
    refreshTiedEmail();
}

void WebSession::setNetworkField(int field, std::string text)
{
    if (field < 0 || field >= static_cast<int>(NetworkParameters::FieldCount) || field == NetworkParameters::MmsIp)
        return;
    const auto index = static_cast<std::size_t>(field);
    if (!m_network.userDefined && index < NetworkParameters::SendEmailServer)
        return;
    m_network.typed[index] = std::move(text);
    m_network.edited = true;
    if (index == kSendEmailAddr) {
        // The mail provider's server and port follow the address.
        if (const int provider = ClassifySenderAddress(m_network.typed[index])) {
            const SmtpProvider& row = smtpProvider(provider);
            if (row.security) {
                m_network.security = static_cast<int>(*row.security);
                m_network.encryption = true;
            }
            m_network.typed[NetworkParameters::SendEmailServer] = std::string(row.server);
            m_network.typed[NetworkParameters::SendEmailPort] =
                std::string(autoFillPort(provider, static_cast<SmtpSecurity>(m_network.security)));
        }
    }
    refreshTiedEmail();
}

void WebSession::setIpPart(int part, std::string text)
{
    if (!m_network.userDefined || part < 0 || part >= 4)
        return;
    m_network.ip[static_cast<std::size_t>(part)] = text.empty() ? std::string() : std::to_string(ipPart(text));
    m_network.edited = true;
}

void WebSession::clearWap()
{
    if (!m_network.userDefined)
        return;
    for (std::size_t field = NetworkParameters::MmsUrl; field <= NetworkParameters::MmsPassword; ++field)
        m_network.typed[field].clear();
    m_network.ip = {};
    m_network.edited = true;
}

bool WebSession::serverFocused()
{
    // The flag flips on every focus, as in the dialog, where the focus that
    // comes back after the message would otherwise ask again.
    const bool wasSet = m_network.serverFocusFlag;
    m_network.serverFocusFlag = !m_network.serverFocusFlag;
    if (wasSet || !NetworkDialogRules::isBlankOrPlaceholder(m_network.typed[kSendEmailAddr]))
        return false;
    m_messages.warning(NetworkDialogRules::kAddressFirst);
    return true;
}

void WebSession::setEncryption(bool on)
{
    // Ticking or clearing the box clears the radios, as in Advanced Setup.
    m_network.encryption = on;
    m_network.edited = true;
    if (!on)
        setSecurityOption(0);
    else
        m_network.security = 0;
}

void WebSession::setSecurityOption(int option)
{
    if (option < 0 || option > 3)
        return;
    m_network.edited = true;
    if (option > 0)
        m_network.encryption = true;
    m_network.security = option;
    // Provider 4's port follows the encryption, as after Advanced Setup's OK.
    const int provider = ClassifySenderAddress(m_network.typed[kSendEmailAddr]);
    std::string& port = m_network.typed[NetworkParameters::SendEmailPort];
    if (const auto next = portForSecurity(provider, static_cast<SmtpSecurity>(option), port))
        port = std::string(*next);
}

void WebSession::setFtpField(int field, std::string text)
{
    if (field < 0 || field >= static_cast<int>(FtpParameters::FieldCount))
        return;
    m_network.ftp.fields[static_cast<std::size_t>(field)] = std::move(text);
    m_network.ftpEdited = true;
}

void WebSession::cameraChoose(int ctrlId, int position)
{
    if (m_camera)
        m_camera->choose(ctrlId, position);
}

void WebSession::cameraClick(int ctrlId)
{
    if (m_camera)
        m_camera->click(ctrlId);
}

void WebSession::cameraText(int ctrlId, std::string text)
{
    if (m_camera)
        m_camera->setText(ctrlId, text);
}

void WebSession::chooseSound(val name)
{
    if (!m_camera)
        return;
    if (name.isUndefined() || name.isNull())
        m_camera->chooseAudio(std::nullopt);
    else
        m_camera->chooseAudio(name.as<std::string>());
}

void WebSession::tick()
{
    if (m_camera)
        m_camera->tick();
}

void WebSession::defaultSetting()
{
    // The camera form's changes are what the user sees: keep them in the
    // record first, so that a Cancel keeps them too.
    if (m_camera && m_camera->edited()) {
        ParameterRecords& records = m_context->records();
        m_camera->store(records.cameraSettings, records.gameCallAudioPath);
    }
    m_core->defaultSetting();
    newCameraForm();
}

val WebSession::save()
{
    val out = val::object();
    out.set("ok", false);
    // What the dialogs' OK buttons refuse keeps the save from starting.
    if (m_network.edited) {
        NetworkDialogRules::SendingFields typed{m_network.typed[NetworkParameters::SendEmailServer],
                                                m_network.typed[NetworkParameters::SendEmailPort],
                                                m_network.typed[kSendEmailAddr],
                                                m_network.typed[NetworkParameters::SendEmailPassword]};
        if (const auto field = NetworkDialogRules::firstIncompleteSendingField(typed)) {
            m_messages.warning(NetworkDialogRules::kSendingIncomplete);
            out.set("focus", kNetworkControls[*field]);
            return out;
        }
        if (m_network.encryption && m_network.security == 0) {
            m_messages.warning(NetworkDialogRules::kNoEncryptionWay);
            out.set("focus", kEncryptionBox);
            return out;
        }
    }
    if (m_network.ftpEdited && m_model && m_model->hasFtpSection) {
        if (const auto field = NetworkDialogRules::firstEmptyFtpField(m_network.ftp)) {
            m_messages.warning(NetworkDialogRules::kFtpIncomplete);
            out.set("focus", kFtpControls[*field]);
            return out;
        }
    }

    ParameterRecords& records = m_context->records();
    if (m_network.edited)
        storeNetworkForm();
    if (m_network.ftpEdited) {
        records.ftpParameters = NetworkDialogRules::storedFtpFields(m_network.ftp);
        m_network.ftpEdited = false;
    }
    if (m_camera && m_camera->edited())
        m_camera->store(records.cameraSettings, records.gameCallAudioPath);

    // The click on "Save to card" answered the save question.
    m_messages.answerNextQuestion(MessageAnswer::Ok);
    m_placeSound = false;
    const bool ok = m_core->saveAll();
    out.set("ok", ok);
    if (const auto card = readFile(kCard / "GSM" / fileName()); ok && card)
        out.set("card", bytes(*card));
    if (const auto backup = readFile(kDriveC / "TavrinoxaBackup" / fileName()))
        out.set("backup", bytes(*backup));
    out.set("placeSound", m_placeSound);
    // The record is what the page shows again, as the dialog keeps showing
    // what the user left.
    loadNetworkForm();
    return out;
}

void WebSession::cardWriteFailed(std::string cause)
{
    // The core's report said the card file was written; the real card said no.
    std::vector<Message> shown = m_messages.take();
    std::erase_if(shown, [](const Message& m) { return m.icon == MessageIcon::Information; });
    for (const Message& m : shown)
        m_messages.show(m);
    m_messages.show(
        {MainParaCore::kSaveFailed, MessageTitle::Tips, MessageIcon::Error, MessageButtons::Ok, std::move(cause)});
}

val WebSession::soundFile(val samples)
{
    const std::size_t count = samples["length"].as<std::size_t>();
    std::vector<float> data(count);
    val(emscripten::typed_memory_view(count, data.data())).call<void>("set", samples);
    return bytes(GameCallWav::fileBytes(data));
}

val WebSession::soundPlaces()
{
    val out = val::object();
    out.set("folders",
            array(std::vector<std::string>(GameCallPlacement::kFolders.begin(), GameCallPlacement::kFolders.end())));
    out.set("sound", std::string(GameCallPlacement::kSoundFile));
    out.set("picture", std::string(GameCallPlacement::kFirstPicture));
    out.set("video", std::string(GameCallPlacement::kFirstVideo));
    return out;
}

void WebSession::soundConversionFailed(std::string cause)
{
    m_placement.conversionFailed(cause);
}

val WebSession::soundStart(bool pictureExists, bool videoExists)
{
    val out = val::object();
    const GameCallPlacement::Next next = m_placement.start(pictureExists, videoExists);
    out.set("next", std::string(next == GameCallPlacement::Next::Rename  ? "rename"
                                : next == GameCallPlacement::Next::Write ? "write"
                                                                         : "giveUp"));
    val renames = val::array();
    for (const GameCallPlacement::Rename& r : m_placement.renames()) {
        val rename = val::object();
        rename.set("from", r.from);
        rename.set("to", r.to);
        renames.call<void>("push", rename);
    }
    out.set("renames", renames);
    return out;
}

std::string WebSession::soundRenamed(bool ok)
{
    return m_placement.renamed(ok) == GameCallPlacement::Next::Write ? "write" : "giveUp";
}

void WebSession::soundWritten(bool ok, std::string cause)
{
    m_placement.written(ok, std::string(GameCallPlacement::kSoundFile), cause);
}
