#pragma once

#include "models/ModelCatalogue.h"

#include <cstddef>
#include <span>
#include <string_view>

/// Control ids of the full camera settings dialogs (143 and 204) that the
/// per-model tables name.
namespace CameraCtl {
inline constexpr int Language = 1000;
inline constexpr int WorkMode = 1011; // dialog 156's list in the place of Security Mode
inline constexpr int SendTimeHour = 1001;
inline constexpr int PhotoSize = 1002;
inline constexpr int PhotoBurst = 1003;
inline constexpr int VideoLength = 1004;
inline constexpr int PirInterval = 1005;
inline constexpr int TimeLapse = 1006;
inline constexpr int PirTrigger = 1007;
inline constexpr int SmsControl = 1008;
inline constexpr int VideoSize = 1009;
inline constexpr int CameraPosition = 1010;
inline constexpr int SecurityMode = 1011;
inline constexpr int GameCall = 1012;
inline constexpr int GameCallHour = 1013;
inline constexpr int GameCallMinute = 1014;
inline constexpr int ReplayTime = 1015;
inline constexpr int CameraMode = 1016;
inline constexpr int WorkHour = 1017;
inline constexpr int StartHour = 1018;
inline constexpr int StartMinute = 1019;
inline constexpr int StopHour = 1020;
inline constexpr int StopMinute = 1021;
inline constexpr int SendTimeMinute = 1022;
inline constexpr int MaxNumber = 1023;
inline constexpr int SelectNetwork = 1024;
inline constexpr int SendToList = 1024; // dialog 154's Send To, a drop list
inline constexpr int AddAudio = 1029;
inline constexpr int AudioPath = 1030;
inline constexpr int SelectAll = 1031;
inline constexpr int Sunday = 1032;
inline constexpr int Monday = 1033;
inline constexpr int Tuesday = 1034;
inline constexpr int Wednesday = 1035;
inline constexpr int Thursday = 1036;
inline constexpr int Friday = 1037;
inline constexpr int Saturday = 1038;
inline constexpr int SendTo1 = 1040;
inline constexpr int SendTo2 = 1041;
inline constexpr int SendTo3 = 1042;
inline constexpr int SendTo4 = 1043;
inline constexpr int SendMode1 = 1044;
inline constexpr int SendMode2 = 1045;
inline constexpr int SendMode3 = 1046;
inline constexpr int SendMode4 = 1047;
inline constexpr int ClockDate = 1048;
inline constexpr int ClockTime = 1049;
inline constexpr int SendToFtp = 1050;
inline constexpr int SetClock = 1051;
inline constexpr int SendToLocal = 1052;
inline constexpr int SendToPhone = 1053;
inline constexpr int SmsControlLabel = 1054;
inline constexpr int SecurityModeLabel = 1064;
inline constexpr int AttachmentSize = 1069;
inline constexpr int Gps = 1070;
inline constexpr int RecycleStorage = 1072;
inline constexpr int CameraName = 1075;
inline constexpr int CameraPositionLabel = 1076;
inline constexpr int SimSet = 1078;
inline constexpr int TimeStamp = 1079;
inline constexpr int PictureType = 1082;
inline constexpr int SimSetLabel = 1083;
inline constexpr int PictureTypeLabel = 1084;
} // namespace CameraCtl

/// How a model changes one of the dialog's item lists. Edits of a list
/// apply in table order to the list of the dialog's layout.
enum class ListEdit
{
    Replace,   // the items are the whole list
    Append,    // the items follow the list
    Prepend,   // the items come before the list
    KeepFirst, // only the first `count` items stay
};

struct ItemListEdit
{
    int ctrlId;
    ListEdit edit;
    std::span<const std::string_view> items;
    std::size_t count = 0;
};

struct LabelText
{
    int ctrlId;
    std::string_view text;
};

/// One model's adaptation of a full camera settings dialog: which lists it
/// changes, which controls it disables (for the life of the dialog) or
/// hides, which labels it gives other texts, and how its send-to and
/// send-mode values meet the radios.
struct CameraDialogVariant
{
    std::string_view listEntry;
    std::span<const ItemListEdit> lists;
    std::span<const int> disabled;
    std::span<const int> hidden;
    std::span<const LabelText> labels;
    /// The send-to radio each stored value selects, by value.
    std::span<const int> sendToRadios;
    /// At most this many bytes of camera name, as the file stores it; 0
    /// where the model's dialog neither shows nor edits the name.
    int cameraNameLimit = 0;
    /// Dialog 143's FTP send-to radio is shown and enabled.
    bool ftpRadio = false;
    /// 1 where the stored send mode counts from " Daily Report".
    int sendModeOffset = 0;
};

namespace CameraDialogVariants {

/// The models of dialog 143 (`CKRT_CamParaRV718WDlg`), of dialog 204 and of
/// dialog 158 (`CKRT_CamParaGroup1Dlg`).
[[nodiscard]] std::span<const CameraDialogVariant> dialog143();
[[nodiscard]] std::span<const CameraDialogVariant> dialog204();
[[nodiscard]] std::span<const CameraDialogVariant> dialog158();

/// The model's row, or nullptr when the dialog does not serve it.
[[nodiscard]] const CameraDialogVariant* find(std::span<const CameraDialogVariant> table, std::string_view listEntry);

/// The row of the model in the table of its camera dialog; nullptr for the
/// dialogs without a table (154, 156).
[[nodiscard]] const CameraDialogVariant* ofModel(const ModelDescriptor& model);

} // namespace CameraDialogVariants
