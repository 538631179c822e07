#include "params/MainParaCore.h"

#include "app/AppContext.h"
#include "camera/CUtil.h"
#include "camera/CameraDefaults.h"
#include "camera/CameraSettingsSection.h"
#include "network/NetworkSections.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

constexpr const char* kFileMarkSection = "KRTFileMark";
constexpr const char* kModelKey = "Model";
constexpr std::size_t kFileMarkBuffer = 15;
constexpr int kFileMarkLimit = 15;

constexpr const char* kCustomerSection = "Receive number and receive email";
constexpr std::array<const char*, MainParaCore::kCustomerFieldCount> kCustomerKeys{
    "AdministratorNum", "PhoneNum2",     "PhoneNum3",     "PhoneNum4",
    "ReceiveEmail1",    "ReceiveEmail2", "ReceiveEmail3", "ReceiveEmail4"};
constexpr int kPhoneFieldCount = 4;
constexpr int kCustomerLimit = 80;

constexpr const char* kCardFolder = "GSM\\";
constexpr const char* kBackupFolder = "C:\\TavrinoxaBackup";

// Phone numbers reach the camera as the digits (and a leading plus) alone.
std::string cleanPhoneNumber(std::string text)
{
    std::erase_if(text, [](char c) { return c == '-' || c == '_' || c == ' '; });
    return text;
}

std::string withoutTrailingSeparator(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

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
    m_saveTarget = "C:\\" + m_texts.relativeCardPath;
}

int MainParaCore::Mng_CurModSaveInfoSet()
{
    const ModelDescriptor* model = ModelCatalogue::find(m_listEntry);
    if (!model) {
        reportUnknownModel("Mng_CurModSaveInfoSet");
        m_closeRequested = true;
        return 0;
    }
    setTexts(*model);
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

    ParameterRecords& records = m_context.records();
    const NetworkSectionOptions network{model->hasSmtpSecurity, m_variant == Variant::Encrypted};
    IniFile file(m_context.files(), copy == kCardFile ? m_saveTarget : m_texts.backupPath);

    if (!Mng_FileMark(direction, file, *model))
        return 0;
    if (direction == kRead) {
        LoadNetworkSections(file, network, records.networkParameters, records.loadedNetworkCopy);
        if (model->hasFtpSection)
            LoadFtpSection(file, records.ftpParameters);
        Mng_CustomerInfoPara(direction, file);
        CameraSettingsSection::read(file, *model, records.cameraSettings);
        return 1;
    }

    SaveNetworkSections(file, network, records.networkParameters);
    if (model->hasFtpSection)
        SaveFtpSection(file, records.ftpParameters);
    Mng_CustomerInfoPara(direction, file);
    Mng_ChkForSaveLatestTimeForSetClock();
    CameraSettingsSection::write(file, *model, records.cameraSettings);
    return file.save() ? 1 : 0;
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
            field = file.read(kCustomerSection, kCustomerKeys[i], "", kCustomerLimit + 1);
            continue;
        }
        const std::string text = i < kPhoneFieldCount ? cleanPhoneNumber(field) : field;
        file.write(kCustomerSection, kCustomerKeys[i], CUtil::TrimText(text, kCustomerLimit));
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
    if (mode != kSyncFolders) {
        reportInvalidCall("Mng_SyncOtherDisks");
        return 0;
    }
    // Creation failures surface later as a failed write, so they go unreported here.
    FileSystem& fs = m_context.files();
    if (!fs.isDirectory(kBackupFolder)) {
        fs.createDirectory(kBackupFolder);
        return 1;
    }
    const std::string cardFolder = withoutTrailingSeparator(m_saveTarget.substr(0, 3) + kCardFolder);
    if (!fs.isDirectory(cardFolder))
        fs.createDirectory(cardFolder);
    return 1;
}

int MainParaCore::IsValidParameterFile(std::string_view path) const
{
    if (m_texts.modelValue.empty())
        return 0;
    const std::string mark = CUtil::TrimText(
        IniFile::readKey(m_context.files(), path, kFileMarkSection, kModelKey, "", kFileMarkBuffer),
        kFileMarkLimit);
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
