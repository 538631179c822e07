#pragma once

#include "models/ModelCatalogue.h"
#include "params/SaveTargetList.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class AppContext;
class GameCallAudio;
class IniFile;

/// The texts a main dialog keeps for its model's parameter file.
struct ModelFileTexts
{
    std::string modelValue;       // the "Model" value of the file mark
    std::string fileName;         // "TQ270.TXT"
    std::string folder;           // "GSM\"
    std::string relativeCardPath; // "GSM\TQ270.TXT"
    std::string backupFolder;     // "C:\TavrinoxaBackup"
    std::string backupPath;       // "C:\TavrinoxaBackup\TQ270.TXT"
    std::string temporaryName;    // "RV731Q-40K-TMP": the plain text another tool or a crash may leave
};

/// The parameter-file side of a main parameter dialog, without a window:
/// where the model's file and backup copy live, reading and writing them as
/// a whole, the file mark, the customer information and the camera
/// defaults and clock stamp. The records it reads into and writes from are
/// the application's (AppContext::records()).
///
/// Operations keep the dialog's conventions: direction 0 writes, 1 reads;
/// copy 0 is the card file at the save target, 1 the backup copy; 1 is
/// success, 0 failure. Where a failure means the dialog must close, the
/// core says so through closeRequested().
class MainParaCore
{
public:
    enum class Variant
    {
        Plain,
        Encrypted
    };

    static constexpr int kWrite = 0;
    static constexpr int kRead = 1;
    static constexpr int kCardFile = 0;
    static constexpr int kBackupCopy = 1;
    static constexpr int kCustomerFieldCount = 8;
    /// Modes of Mng_SyncOtherDisks: the game-call sound after a save, the
    /// removal of this model's files from the other drives, the folder step
    /// at the start of every Mng_AllPara.
    static constexpr int kSyncGameCallAudio = 0;
    static constexpr int kSyncRemoveOthers = 1;
    static constexpr int kSyncFolders = 2;
    /// Modes of Mng_GameCallAudio: stage the conversion program, clean up.
    static constexpr int kAudioStage = 0;
    static constexpr int kAudioCleanUp = 1;

    /// What the game-call sound work plugs in; each may be empty.
    struct GameCallAudioHooks
    {
        std::function<void()> stage;
        std::function<void()> cleanUp;
        std::function<void()> place;
    };

    using CustomerInfo = std::array<std::string, kCustomerFieldCount>;

    /// What SAVE says of a card file it could not write.
    static constexpr const char* kSaveFailed = "Save failed ,please check your disk and try again later!";
    /// What the main dialog says when the first receiving address is tied
    /// to the camera's sending address.
    static constexpr const char* kEmailTied =
        "This paramater must keep same with \nWAP/Internet Setting -> SEND EMAIL ADDR !";

    MainParaCore(AppContext& context, std::string listEntry, Variant variant = Variant::Plain);

    [[nodiscard]] const std::string& listEntry() const { return m_listEntry; }
    [[nodiscard]] Variant variant() const { return m_variant; }
    /// "CKRT_MainParaDlg" or "CKRT_MainParaEncryptDlg", as the messages name it.
    [[nodiscard]] const std::string& className() const { return m_className; }

    /// Sets the file texts and the save target ("C:\" + card path) from the
    /// catalogue; an unknown model is reported and closes the dialog.
    int Mng_CurModSaveInfoSet();
    [[nodiscard]] const ModelFileTexts& fileTexts() const { return m_texts; }

    [[nodiscard]] const std::string& saveTarget() const { return m_saveTarget; }
    void setSaveTarget(std::string path) { m_saveTarget = std::move(path); }

    /// The card paths the save-target drop-down offers, with its selection.
    [[nodiscard]] SaveTargetList& saveTargets() { return m_targets; }
    [[nodiscard]] const SaveTargetList& saveTargets() const { return m_targets; }
    /// Fills the save-target list, chooses the target and loads the card
    /// file, else the backup copy, else the defaults.
    void Mng_SearchDisks();
    /// Brings the save-target list up to date with the drives; true when it changed.
    bool refreshSaveTargets();
    /// The user picked an entry: it becomes the save target.
    void selectSaveTarget(int index);

    /// SAVE: asks, writes the backup copy then the card file, reports the card
    /// write (a failure with its cause as the detail), then places the
    /// game-call sound (also after a failed card write) and, once the card
    /// file is written, removes this model's files from the other drives.
    /// True when the card file was written.
    bool saveAll();
    /// "Default Setting": asks, resets the camera settings, reports.
    void defaultSetting();
    /// True when the first receiving address is the camera's sending address.
    [[nodiscard]] bool receiveEmailTiedToSender() const;

    void setGameCallAudioHooks(GameCallAudioHooks hooks) { m_audio = std::move(hooks); }
    /// Wires the game-call sound in: its staging, clean-up and placement on
    /// the save target.
    void attachGameCallAudio(GameCallAudio& audio);
    int Mng_GameCallAudio(int mode);

    /// The eight values of "Receive number and receive email", in file order
    /// (four phone numbers, four e-mail addresses), as the dialog's fields
    /// hold them.
    [[nodiscard]] CustomerInfo& customerInfo() { return m_customer; }
    [[nodiscard]] const CustomerInfo& customerInfo() const { return m_customer; }

    /// The whole file. Writing builds every section in memory and puts the
    /// file on disk in one step, so a failed save leaves the old file whole.
    int Mng_AllPara(int direction, int copy);
    int Mng_AllParaSetDefault();
    /// Stamps the PC's time into the record's clock while the set-clock flag
    /// is set.
    void Mng_ChkForSaveLatestTimeForSetClock();
    int Mng_SyncOtherDisks(int mode);
    /// 1 when the file's file mark is the current model's "Model" value.
    [[nodiscard]] int IsValidParameterFile(std::string_view path) const;

    /// Set when an operation failed in a way that closes the main dialog.
    [[nodiscard]] bool closeRequested() const { return m_closeRequested; }

    /// The parameter text the records make for the model, as a save writes
    /// it (the clock stamped while the set-clock flag is set); nothing when
    /// a value holds a line break.
    [[nodiscard]] std::optional<std::string> parameterText();
    /// Takes a parameter text (of any model of the same layout) into the records.
    void readParameterText(std::string_view text);

    /// Why the last failed write of the parameter file failed ("E:\GSM\TQ270.TXT:
    /// No space left on device"); empty after a good one.
    [[nodiscard]] const std::string& writeFailure() const { return m_writeFailure; }

    /// Deletes plain-text leftovers of an encoded file in the folder of
    /// the drive `root` ("E:\") and in the backup folder.
    void removeTemporaryPlainFiles(const std::string& root);

private:
    bool transfer(int direction, IniFile& file, const ModelDescriptor& model);
    int Mng_FileMark(int direction, IniFile& file, const ModelDescriptor& model);
    int Mng_CustomerInfoPara(int direction, IniFile& file);
    void setTexts(const ModelDescriptor& model);
    /// Records why writing `path` failed; returns 0.
    int writeFailed(const std::string& path, const std::string& reason);
    void reportUnknownModel(std::string_view operation) const;
    void reportInvalidCall(std::string_view operation) const;

    AppContext& m_context;
    std::string m_listEntry;
    Variant m_variant;
    std::string m_className;
    ModelFileTexts m_texts;
    std::string m_saveTarget;
    SaveTargetList m_targets;
    GameCallAudioHooks m_audio;
    CustomerInfo m_customer;
    bool m_closeRequested = false;
    /// Why the last write of the file failed: the path and the cause.
    std::string m_writeFailure;
};
