#include "params/MainParaCore.h"

#include "audio/ConversionTool.h"
#include "audio/GameCallAudio.h"
#include "camera/CameraDefaults.h"
#include "camera/CameraSettingsSection.h"
#include "context/AppContext.h"
#include "network/NetworkSections.h"
#include "params/CustomerSection.h"
#include "params/ParameterFileCodec.h"
#include "params/TargetDisks.h"
#include "platform/CUtil.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

constexpr const char* kFileMarkSection = "KRTFileMark";
constexpr const char* kModelKey = "Model";
constexpr std::size_t kFileMarkBuffer = 15;
constexpr int kFileMarkLimit = 15;

using namespace CustomerSection;
static_assert(kFieldCount == MainParaCore::kCustomerFieldCount);

constexpr const char* kCardFolder = "GSM\\";
constexpr const char* kLineBreakInValue = "a value holds a line break or a NUL byte";
constexpr const char* kBackupFolder = "C:\\TavrinoxaBackup";

} // namespace

MainParaCore::MainParaCore(AppContext& context, std::string listEntry, Variant variant)
    : m_context(context), m_listEntry(std::move(listEntry)), m_variant(variant),
      m_className(variant == Variant::Plain ? "CKRT_MainParaDlg" : "CKRT_MainParaEncryptDlg")
{
    if (const ModelDescriptor* model = ModelCatalogue::find(m_listEntry))
        setTexts(*model);
}

void MainParaCore::setTexts(const ModelDescriptor& model)
{
    m_texts.modelValue = model.modelValue;
    m_texts.fileName = model.fileName;
    m_texts.folder = kCardFolder;
    m_texts.relativeCardPath = m_texts.folder + m_texts.fileName;
    m_texts.backupFolder = kBackupFolder;
    m_texts.backupPath = m_texts.backupFolder + "\\" + m_texts.fileName;
    m_texts.temporaryName = std::string(model.listEntry) + "-TMP";
    m_saveTarget = "C:\\" + m_texts.relativeCardPath;
}

int MainParaCore::Mng_CurModSaveInfoSet()
{
    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    const int mainDialog =
        m_variant == Variant::Plain ? ModelCatalogue::kPlainMainDialog : ModelCatalogue::kEncryptedMainDialog;
    if (!model || (m_variant == Variant::Encrypted && model->mainDialog != mainDialog)) {
        reportUnknownModel("Mng_CurModSaveInfoSet");
        m_closeRequested = true;
        return 0;
    }
    setTexts(*model);
    if (model->hasGameCallAudio)
        Mng_GameCallAudio(kAudioStage);
    return 1;
}

int MainParaCore::Mng_AllPara(int direction, int copy)
{
    if ((direction != kWrite && direction != kRead) || (copy != kCardFile && copy != kBackupCopy)) {
        reportInvalidCall("Mng_AllPara");
        return 0;
    }
    Mng_SyncOtherDisks(kSyncFolders);

    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    if (!model) {
        reportUnknownModel("Mng_AllPara");
        m_closeRequested = true;
        return 0;
    }

    const std::string& path = copy == kCardFile ? m_saveTarget : m_texts.backupPath;
    if (direction == kWrite)
        m_writeFailure.clear();
    if (m_variant == Variant::Plain) {
        IniFile file(m_context.files(), path);
        if (!transfer(direction, file, *model))
            return 0;
        if (direction == kRead)
            return 1;
        if (!file.allWritesTaken())
            return writeFailed(path, kLineBreakInValue);
        return file.save() ? 1 : writeFailed(path, m_context.files().lastError());
    }

    // The encoded file's text lives in memory only: a crash or a pulled card
    // never leaves the camera's passwords in plain text on a disk, and no
    // text of another file can flow into this one.
    FileSystem& files = m_context.files();
    removeTemporaryPlainFiles(path.substr(0, 3));
    if (direction == kRead) {
        const std::optional<std::string> text = ParameterFileCodec::DecodeParameterFile(files, path);
        IniFile file(text.value_or(std::string()));
        return transfer(direction, file, *model) ? 1 : 0;
    }
    const std::optional<std::string> text = parameterText();
    if (!text)
        return writeFailed(path, kLineBreakInValue);
    if (const std::size_t length = ParameterFileCodec::reducedLength(*text);
        length > ParameterFileCodec::kMaxTextBytes)
        return writeFailed(path, "the parameters take " + std::to_string(length) +
                                     " bytes, and an encoded parameter file holds at most " +
                                     std::to_string(ParameterFileCodec::kMaxTextBytes) +
                                     "; shorten the longest fields (the sending password, the addresses)");
    CUtil::ClearReadOnlyAttribute(files, path);
    return ParameterFileCodec::EncodeParameterFile(files, *text, path) ? 1 : writeFailed(path, files.lastError());
}

int MainParaCore::writeFailed(const std::string& path, const std::string& reason)
{
    m_writeFailure = path + ": " + reason;
    return 0;
}

std::optional<std::string> MainParaCore::parameterText()
{
    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    IniFile file(std::string_view{});
    if (!model || !transfer(kWrite, file, *model) || !file.allWritesTaken())
        return std::nullopt;
    return file.bytes();
}

void MainParaCore::readParameterText(std::string_view text)
{
    if (const ModelDescriptor* model = ModelCatalogue::find(m_listEntry)) {
        IniFile file(text);
        transfer(kRead, file, *model);
    }
}

bool MainParaCore::transfer(int direction, IniFile& file, const ModelDescriptor& model)
{
    ParameterRecords& records = m_context.records();
    const NetworkSectionOptions network{model.hasSmtpSecurity, m_variant == Variant::Encrypted};
    if (!Mng_FileMark(direction, file, model))
        return false;
    if (direction == kRead) {
        LoadNetworkSections(file, network, records.networkParameters, records.loadedNetworkCopy);
        if (model.hasFtpSection)
            LoadFtpSection(file, records.ftpParameters);
        Mng_CustomerInfoPara(direction, file);
        CameraSettingsSection::read(file, model, records.cameraSettings);
        return true;
    }
    SaveNetworkSections(file, network, records.networkParameters);
    if (model.hasFtpSection)
        SaveFtpSection(file, records.ftpParameters);
    Mng_CustomerInfoPara(direction, file);
    Mng_ChkForSaveLatestTimeForSetClock();
    CameraSettingsSection::write(file, model, records.cameraSettings);
    return true;
}

void MainParaCore::removeTemporaryPlainFiles(const std::string& root)
{
    if (m_variant != Variant::Encrypted)
        return;
    FileSystem& files = m_context.files();
    for (const std::string& path :
         {root + m_texts.folder + m_texts.temporaryName, m_texts.backupFolder + "\\" + m_texts.temporaryName}) {
        if (!files.exists(path))
            continue;
        CUtil::ClearReadOnlyAttribute(files, path);
        files.deleteFile(path);
    }
}

int MainParaCore::Mng_FileMark(int direction, IniFile& file, const ModelDescriptor& model)
{
    // The mark is checked by IsValidParameterFile; reading has nothing to take.
    if (direction == kWrite)
        file.write(kFileMarkSection, kModelKey, model.modelValue);
    return 1;
}

int MainParaCore::Mng_CustomerInfoPara(int direction, IniFile& file)
{
    for (int i = 0; i < kCustomerFieldCount; ++i) {
        std::string& field = m_customer[i];
        if (direction == kRead) {
            field = file.read(kSection, kKeys[i], "", kLimit + 1);
            continue;
        }
        const std::string text = isPhoneField(i) ? cleanPhoneNumber(field) : field;
        file.write(kSection, kKeys[i], CUtil::TrimText(text, kLimit));
    }
    return 1;
}

int MainParaCore::Mng_AllParaSetDefault()
{
    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    if (!model) {
        reportUnknownModel("Mng_AllParaSetDefault");
        return 0;
    }
    applyCameraDefaults(*model, m_context.records().cameraSettings);
    return 1;
}

void MainParaCore::Mng_ChkForSaveLatestTimeForSetClock()
{
    if (!ModelCatalogue::find(m_listEntry)) {
        reportUnknownModel("Mng_ChkForSaveLatestTimeForSetClock");
        return;
    }
    CameraSettings& settings = m_context.records().cameraSettings;
    if (settings.setClock())
        settings.setClockFields(m_context.clock().now());
}

int MainParaCore::Mng_SyncOtherDisks(int mode)
{
    switch (mode) {
    case kSyncGameCallAudio: {
        const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
        if (model && model->hasGameCallAudio && !m_context.records().gameCallAudioPath.empty() && m_audio.place)
            m_audio.place();
        return 1;
    }
    case kSyncRemoveOthers:
        TargetDisks::removeFromOtherDisks(m_context, *this);
        return 1;
    case kSyncFolders:
        break;
    default:
        reportInvalidCall("Mng_SyncOtherDisks");
        return 0;
    }
    // Creation failures surface later as a failed write, so they go unreported here.
    FileSystem& fs = m_context.files();
    if (!fs.isDirectory(kBackupFolder)) {
        fs.createDirectory(kBackupFolder);
        return 1;
    }
    const std::string cardFolder = m_saveTarget.substr(0, 3) + kCardFolder;
    if (!fs.isDirectory(cardFolder))
        fs.createDirectory(cardFolder);
    return 1;
}

void MainParaCore::Mng_SearchDisks()
{
    TargetDisks::search(m_context, *this);
}

bool MainParaCore::refreshSaveTargets()
{
    return TargetDisks::refresh(m_context, *this);
}

void MainParaCore::selectSaveTarget(int index)
{
    m_targets.select(index);
    if (m_targets.selected() >= 0)
        m_saveTarget = m_targets.items()[static_cast<std::size_t>(m_targets.selected())];
}

bool MainParaCore::saveAll()
{
    MessageService& messages = m_context.messages();
    // The plain dialog's question has always been spelled this way.
    const char* ask = m_variant == Variant::Plain ? "Sava all parameters to \"" : "Save all parameters to \"";
    if (messages.question(ask + m_saveTarget + "\" ?") != MessageAnswer::Ok)
        return false;
    // The backup copy is a convenience: its own failure is not reported.
    Mng_AllPara(kWrite, kBackupCopy);
    if (m_closeRequested)
        return false;
    const bool written = Mng_AllPara(kWrite, kCardFile) == 1;
    if (written)
        messages.information("OK,All parameters have been saved success !");
    else if (!m_closeRequested)
        messages.show({kSaveFailed, MessageTitle::Tips,
                       MessageIcon::Error, MessageButtons::Ok, m_writeFailure});
    if (m_closeRequested)
        return false;
    Mng_SyncOtherDisks(kSyncGameCallAudio);
    // The other drives' copies go only once the target holds the new file:
    // after a failed write they may be the only good copy left.
    if (written)
        Mng_SyncOtherDisks(kSyncRemoveOthers);
    return written;
}

void MainParaCore::defaultSetting()
{
    MessageService& messages = m_context.messages();
    if (messages.question("Set all camera parameters to default ?") != MessageAnswer::Ok)
        return;
    if (Mng_AllParaSetDefault())
        messages.information("OK,All camera parameters have been set to default !");
    else
        messages.warning("Default setings is not applied, no data is modified !");
}

bool MainParaCore::receiveEmailTiedToSender() const
{
    return m_customer[kReceiveEmail1] ==
           m_context.records().networkParameters.fields[NetworkParameters::SendEmailAddr];
}

void MainParaCore::attachGameCallAudio(GameCallAudio& audio)
{
    setGameCallAudioHooks({[&audio] { audio.tool().startStaging(); }, [&audio] { audio.tool().cleanUp(); },
                           [this, &audio] { audio.PlaceGameCallAudio(saveTarget()); }});
}

int MainParaCore::Mng_GameCallAudio(int mode)
{
    const std::function<void()>* hook = nullptr;
    if (mode == kAudioStage)
        hook = &m_audio.stage;
    else if (mode == kAudioCleanUp)
        hook = &m_audio.cleanUp;
    if (!hook) {
        reportInvalidCall("Mng_GameCallAudio");
        return 0;
    }
    if (*hook)
        (*hook)();
    return 1;
}

int MainParaCore::IsValidParameterFile(std::string_view path) const
{
    if (m_texts.modelValue.empty())
        return 0;
    std::string stored;
    if (m_variant == Variant::Plain) {
        stored = IniFile::readKey(m_context.files(), path, kFileMarkSection, kModelKey, "", kFileMarkBuffer);
    } else {
        const auto text = ParameterFileCodec::DecodeParameterFile(m_context.files(), path);
        stored = IniFile(text.value_or(std::string())).read(kFileMarkSection, kModelKey, "", kFileMarkBuffer);
    }
    const std::string mark = CUtil::TrimText(stored, kFileMarkLimit);
    return mark == m_texts.modelValue ? 1 : 0;
}

void MainParaCore::reportUnknownModel(std::string_view operation) const
{
    m_context.messages().error("Error In " + m_className + "::" + std::string(operation) + "() !");
}

void MainParaCore::reportInvalidCall(std::string_view operation) const
{
    m_context.messages().error("Invalid call for " + m_className + "::" + std::string(operation) + "() !");
}
