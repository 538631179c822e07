#include "TestDrives.h"
#include "camera/CKRT_CamPara4GDlg.h"
#include "camera/CKRT_CamParaRV718WDlg.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"
#include "platform/DialogControls.h"

#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// What each model's Camera Setting dialog shows right after it opens. The
// expectations are written out by hand, not taken from the per-model table,
// so a wrong row of that table shows up here.

namespace {

namespace Ctl = CameraCtl;

enum class Layout
{
    D143, // CKRT_CamParaRV718WDlg
    D204, // the 4G dialog
};

// Latin "P" followed by Cyrillic "усский", as the cameras spell it.
constexpr const char* kRussian = "P\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9";

/// What a drop list must hold: its item count and the items at some
/// positions (a negative position counts from the end, -1 is the last item).
struct Items
{
    int ctrlId;
    int count;
    std::vector<std::pair<int, const char*>> at;
};

/// A list given item by item.
Items whole(int ctrlId, std::initializer_list<const char*> items)
{
    Items list{ctrlId, static_cast<int>(items.size()), {}};
    int position = 0;
    for (const char* item : items)
        list.at.emplace_back(position++, item);
    return list;
}

void expectItems(const QWidget* dlg, const std::vector<Items>& lists)
{
    for (const Items& list : lists) {
        SCOPED_TRACE(testing::Message() << "list " << list.ctrlId);
        const auto* box = control<QComboBox>(dlg, list.ctrlId);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->count(), list.count);
        for (const auto& [position, text] : list.at) {
            const int index = position < 0 ? box->count() + position : position;
            EXPECT_EQ(box->itemText(index), QString::fromUtf8(text)) << "item " << position;
        }
    }
}

const std::set<int> kWorkDayGroup{Ctl::SelectAll, Ctl::Sunday,   Ctl::Monday, Ctl::Tuesday,
                                  Ctl::Wednesday, Ctl::Thursday, Ctl::Friday, Ctl::Saturday};

std::set<int> withWorkDays(std::set<int> ids)
{
    ids.insert(kWorkDayGroup.begin(), kWorkDayGroup.end());
    return ids;
}

// Every 4G model loses Camera Position (the camera name takes its place) and
// Security Mode.
std::set<int> fourG(std::set<int> ids)
{
    ids.insert({Ctl::CameraPosition, Ctl::SecurityMode});
    return ids;
}

// The controls some model switches off; each case says which of them its
// model disables, the rest must stay enabled.
std::set<int> switchable(Layout dialog)
{
    std::set<int> ids =
        withWorkDays({Ctl::CameraPosition, Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::GameCall,
                      Ctl::SendTo4, Ctl::SendMode1, Ctl::AttachmentSize, Ctl::Gps, Ctl::RecycleStorage});
    if (dialog == Layout::D204)
        ids.insert({Ctl::PictureType, Ctl::PictureTypeLabel});
    return ids;
}

using RadioTexts = std::array<const char*, 4>;
constexpr RadioTexts k143SendTo{" Phone [MMS]", " Email [MMS]", " Email [GPRS]", " Call"};
constexpr RadioTexts k143Cloudnest{" Phone [MMS]", " Email [MMS]", " Email [GPRS]", "Cloudnest"};
constexpr RadioTexts k204SendTo{" Cloudnest", " Email [GPRS]", " Phone [MMS]", "FTP"};
constexpr std::array kSendToIds{Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4};
constexpr std::array kSendModeIds{Ctl::SendMode1, Ctl::SendMode2, Ctl::SendMode3, Ctl::SendMode4};

// Lists that several models of dialog 143 share.
const Items kBurst1To3 = whole(Ctl::PhotoBurst, {"1 Photo", "2 Photos", "3 Photos"});
const Items kFiveSecondsFirst{Ctl::VideoLength, 19, {{0, "  5 Sec"}, {1, "10  Sec"}, {-1, "180 Sec"}}};
const Items kFiveTo120Seconds{Ctl::VideoLength, 13, {{0, "  5 Sec"}, {1, "10  Sec"}, {-1, "120 Sec"}}};
const Items kMaxUnlimited{Ctl::MaxNumber, 101, {{0, "0"}, {99, "99"}, {-1, "Unlimited"}}};
const Items kWdPhotoSizes = whole(Ctl::PhotoSize, {"10(D)/8(N)MP", "16(D)/12(N)MP", "24(D)/18(N)MP"});

struct ModelCase
{
    Layout dialog;
    const char* model;
    std::vector<Items> lists = {};
    std::set<int> off = {}; // disabled for the life of the dialog
    std::set<int> hidden = {};
    RadioTexts sendTo = {};
    std::vector<std::pair<int, const char*>> labels = {};
    int nameLimit = 0; // 0: the camera-name edit stays hidden
    bool ftpRadio = false;
};

const std::vector<ModelCase>& modelCases()
{
    using L = Layout;
    static const std::vector<ModelCase> cases{
        // Dialog 143: the six rows that tell most, every list they change.
        {.dialog = L::D143,
         .model = "TQ330",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {1, "Svenskt"}, {7, kRussian}, {-1, "Polski"}}},
                   whole(Ctl::PhotoSize, {"14M", "25M", "36M"}),
                   kBurst1To3,
                   whole(Ctl::VideoSize, {"1280*720", "640*480", "1920*1080"}),
                   kFiveSecondsFirst,
                   kMaxUnlimited},
         .off = {Ctl::SecurityMode, Ctl::GameCall, Ctl::SendMode1, Ctl::CameraPosition},
         .hidden = {Ctl::CameraPosition, Ctl::SendTo4},
         .sendTo = {"Phone[MMS]", "Email[GPRS]", "Cloudnest", " Call"},
         .labels = {{Ctl::CameraPositionLabel, "Camera Name"}},
         .nameLimit = 10},
        {.dialog = L::D143,
         .model = "TQ355",
         .lists = {{Ctl::Language, 13, {{0, "English"}, {6, "Spanish"}, {8, kRussian}, {-1, "Slovakia"}}},
                   whole(Ctl::PhotoSize, {"14M", "25M", "36M"}),
                   kBurst1To3,
                   whole(Ctl::VideoSize, {"1280*720", "1920*1080", "2560*1440", "4096*2160"}),
                   kFiveSecondsFirst,
                   kMaxUnlimited},
         .off = {Ctl::SecurityMode, Ctl::GameCall, Ctl::SendMode1},
         .hidden = {Ctl::SendMode1},
         .sendTo = k143Cloudnest},
        {.dialog = L::D143,
         .model = "WD17-F28K",
         .lists = {whole(Ctl::Language,
                         {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "French", "Spanish"}),
                   kWdPhotoSizes, kBurst1To3, whole(Ctl::VideoSize, {"1920*1080", "1280*720", "640*480"}),
                   kFiveSecondsFirst, kMaxUnlimited},
         .off = withWorkDays({Ctl::SecurityMode, Ctl::GameCall, Ctl::SendTo4, Ctl::SendMode1, Ctl::Gps}),
         .sendTo = k143Cloudnest},
        {.dialog = L::D143,
         .model = "RV731Q-40K",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {7, kRussian}, {-1, "Spanish"}}},
                   whole(Ctl::PhotoSize, {"14M", "25M", "36M"}),
                   {Ctl::PhotoBurst, 5, {{0, "1 Photo"}, {3, "4 Photos"}, {-1, "5 Photos"}}},
                   whole(Ctl::VideoSize, {"1280*720", "640*480", "1920*1080"}),
                   kFiveSecondsFirst,
                   kMaxUnlimited},
         .off = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::SendMode1, Ctl::Gps},
         .sendTo = {"Cloudnest", "MMS", "Email MMS", "Email"}},
        // Dialog 143, the other rows: enough to tell each row from the others.
        {.dialog = L::D143,
         .model = "RV718W-16kXS",
         .lists = {{Ctl::Language, 9, {{0, "English"}, {-1, "Italian"}}},
                   whole(Ctl::PhotoSize, {"12M", "10M", "5M"})},
         .sendTo = k143SendTo},
        {.dialog = L::D143,
         .model = "RV720Q-40K",
         .lists = {{Ctl::Language, 8, {{0, "English"}, {-1, "Italiano"}}},
                   whole(Ctl::PhotoSize, {"14M", "25M", "36M"})},
         .off = {Ctl::SecurityMode, Ctl::SendTo4, Ctl::SendMode1, Ctl::Gps, Ctl::RecycleStorage},
         .sendTo = k143SendTo},
        {.dialog = L::D143,
         .model = "RV720Q-33K",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {-1, "Polish"}}},
                   whole(Ctl::PhotoSize, {"14M", "20M", "30M"})},
         .off = {Ctl::SendTo4, Ctl::AttachmentSize, Ctl::Gps, Ctl::RecycleStorage},
         .sendTo = k143SendTo},
        {.dialog = L::D143,
         .model = "WD18-F28K",
         .lists = {{Ctl::Language, 7, {{0, "English"}, {-1, "French"}}}, kWdPhotoSizes, kFiveTo120Seconds},
         .off = withWorkDays({Ctl::SecurityMode, Ctl::SendMode1, Ctl::Gps}),
         .sendTo = k143Cloudnest},
        {.dialog = L::D143,
         .model = "TQ270",
         .lists = {{Ctl::Language, 15, {{0, "English"}, {-1, "Hungarian"}}},
                   kWdPhotoSizes,
                   kFiveTo120Seconds},
         .off = withWorkDays({Ctl::SecurityMode, Ctl::SendMode1, Ctl::Gps}),
         .sendTo = k143Cloudnest,
         .ftpRadio = true},
        {.dialog = L::D143,
         .model = "RV615-5X",
         .lists = {{Ctl::Language, 10, {{0, "English"}, {-1, "Czech"}}}, kWdPhotoSizes, kFiveTo120Seconds},
         .off = withWorkDays({Ctl::SecurityMode, Ctl::SendMode1, Ctl::Gps}),
         .sendTo = k143Cloudnest},
        {.dialog = L::D143,
         .model = "TQ150-E",
         .lists = {{Ctl::Language, 15, {{0, "English"}, {-1, "Hungarlan"}}},
                   whole(Ctl::PhotoSize, {"5(D)/5(N)MP", "12(D)/10(N)MP", "18(D)/14(N)MP"}),
                   {Ctl::VideoLength, 7, {{0, "  5 Sec"}, {-1, "60  Sec"}}}},
         .off = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps},
         .sendTo = k143Cloudnest},
        {.dialog = L::D143,
         .model = "RV731Q-33K",
         .lists = {{Ctl::Language, 11, {{0, "English"}, {8, "Italian"}, {-1, "Lithuanian"}}},
                   whole(Ctl::PhotoSize, {"14M", "20M", "30M"})},
         .off = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::SendMode1, Ctl::AttachmentSize, Ctl::Gps,
                 Ctl::RecycleStorage},
         .sendTo = k143Cloudnest},

        // Dialog 204: the two telling rows, every list they change.
        {.dialog = L::D204,
         .model = "TQ160-E",
         .lists = {{Ctl::Language, 15, {{0, "English"}, {9, "Ukrainian"}, {13, kRussian}, {-1, "Hungarian"}}},
                   whole(Ctl::PhotoSize, {"4MP", "12MP", "24MP", "37MP"}),
                   {Ctl::VideoLength, 12, {{0, "5 Sec"}, {1, "10 Sec"}, {-1, "60 Sec"}}},
                   whole(Ctl::PirTrigger, {"OFF", "High", "Normal", "Low"}),
                   whole(Ctl::VideoSize, {"360P", "720P", "1080P", "1530P", "4K"}),
                   whole(Ctl::RecycleStorage, {"OFF", "ON"}),
                   whole(Ctl::SimSet, {"ON", "OFF"})},
         .off = fourG({Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps}),
         .hidden = {Ctl::CameraPosition},
         .sendTo = k204SendTo,
         .labels = {{Ctl::CameraPositionLabel, "Camera Name"}, {Ctl::SimSetLabel, "Auto"}},
         .nameLimit = 20},
        {.dialog = L::D204,
         .model = "TQ350-E",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {1, "Czech"}, {-1, kRussian}}},
                   whole(Ctl::PhotoSize, {"8M", "20M", "32M", "56M"}),
                   {Ctl::VideoLength, 12, {{0, "  5 Sec"}, {1, "  10 Sec"}, {-1, "  60 Sec"}}},
                   whole(Ctl::PirTrigger, {"OFF", "High", "Normal", "Low"}),
                   whole(Ctl::VideoSize, {"1280*720", "1920*1080", "2720*1530", "3840*2160"}),
                   whole(Ctl::RecycleStorage, {"OFF", "ON"})},
         .off = fourG({Ctl::GameCall, Ctl::SendMode1}),
         .hidden = {Ctl::CameraPosition, Ctl::SendMode1},
         .sendTo = k204SendTo,
         .labels = {{Ctl::CameraPositionLabel, "Camera Name"}},
         .nameLimit = 20},
        // Dialog 204, the other rows.
        {.dialog = L::D204,
         .model = "TQ480-E",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {-1, "Spanish"}}},
                   whole(Ctl::PhotoSize, {"5M", "12M", "18M", "24M"})},
         .off = fourG({Ctl::GameCall, Ctl::Gps, Ctl::PictureType, Ctl::PictureTypeLabel}),
         .hidden = {Ctl::CameraPosition},
         .sendTo = k204SendTo,
         .nameLimit = 20},
        {.dialog = L::D204,
         .model = "TQ270-P5",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {9, "Francais"}, {-1, "Spanish"}}},
                   whole(Ctl::PhotoSize, {"5M", "12M", "18M", "24M", "32M"})},
         .off = fourG({Ctl::Gps}),
         .hidden = {Ctl::CameraPosition},
         .sendTo = k204SendTo,
         .nameLimit = 20},
        {.dialog = L::D204,
         .model = "TQ160-E(S)",
         .lists = {{Ctl::Language, 15, {{0, "English"}, {-1, "Hungarian"}}},
                   whole(Ctl::PhotoSize, {"4MP", "12MP", "24MP", "37MP"})},
         .off = fourG({Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps, Ctl::PictureType}),
         .hidden = {Ctl::CameraPosition},
         .sendTo = k204SendTo,
         .nameLimit = 20},
        {.dialog = L::D204,
         .model = "TQ330-52K",
         .lists = {{Ctl::Language, 12, {{0, "English"}, {-1, "Spanish"}}},
                   whole(Ctl::PhotoSize, {"12M", "24M", "36M", "48M"})},
         .off = fourG({Ctl::GameCall, Ctl::PictureType, Ctl::PictureTypeLabel}),
         .hidden = {Ctl::CameraPosition},
         .sendTo = k204SendTo,
         .nameLimit = 20},
    };
    return cases;
}

// The lists of the two layouts before any model changes them: those both
// share, then each layout's own.
const std::vector<Items> kSharedResourceLists{
    whole(Ctl::CameraMode, {"Photo", "Video", "Pic+Video"}),
    whole(Ctl::SecurityMode, {"OFF", "ON"}),
    {Ctl::CameraPosition, 27, {{0, "OFF"}, {1, "A"}, {-1, "Z"}}},
    {Ctl::TimeLapse, 20, {{0, "OFF"}, {1, "5  Min"}, {11, "55 Min"}, {12, "1  Hour"}, {-1, "8  Hour"}}},
    whole(Ctl::PirTrigger, {"Low", "Normal", "High", "OFF"}),
    {Ctl::PirInterval,
     28,
     {{0, "0  Sec"}, {11, "55 Sec"}, {12, "1  Min"}, {16, "5  Min"}, {17, "10 Min"}, {-1, "60 Min"}}},
    whole(Ctl::SmsControl, {"OFF", "ON"}),
    whole(Ctl::GameCall, {"OFF", "ON"}),
    {Ctl::GameCallHour, 24, {{0, "00"}, {-1, "23"}}},
    {Ctl::GameCallMinute, 60, {{0, "00"}, {-1, "59"}}},
    {Ctl::ReplayTime, 100, {{0, "OFF"}, {1, "1"}, {-1, "99"}}},
    whole(Ctl::WorkHour, {"OFF", "ON"}),
    {Ctl::StartHour, 24, {{0, "00"}, {-1, "23"}}},
    {Ctl::StartMinute, 60, {{0, "00"}, {-1, "59"}}},
    {Ctl::StopHour, 24, {{0, "00"}, {-1, "23"}}},
    {Ctl::StopMinute, 60, {{0, "00"}, {-1, "59"}}},
    {Ctl::SendTimeHour, 24, {{0, "00"}, {-1, "23"}}},
    {Ctl::SendTimeMinute, 60, {{0, "00"}, {-1, "59"}}},
    whole(Ctl::Gps, {"OFF", "ON"}),
};

const std::vector<Items> k143OwnLists{
    whole(Ctl::Language,
          {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian", "Italian"}),
    whole(Ctl::PhotoSize, {"12M", "10M", "5M"}),
    {Ctl::PhotoBurst, 6, {{0, "1 Photo"}, {1, "2 Photos"}, {-1, "6 Photos"}}},
    whole(Ctl::VideoSize, {"1280*720", "640*480"}),
    {Ctl::VideoLength, 18, {{0, "10  Sec"}, {1, "20  Sec"}, {-1, "180 Sec"}}},
    {Ctl::MaxNumber, 100, {{0, "0"}, {-1, "99"}}},
    whole(Ctl::AttachmentSize, {"Low", "Normal", "High"}),
    whole(Ctl::RecycleStorage, {"OFF", "ON"}),
};

const std::vector<Items> k204OwnLists{
    whole(Ctl::Language, {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Czech", kRussian,
                          "Italiano", "French", "Polski", "Spanish"}),
    whole(Ctl::PhotoSize, {"5M", "12M", "18M", "24M"}),
    whole(Ctl::PhotoBurst, {"1 Photo", "2 Photos", "3 Photos"}),
    whole(Ctl::VideoSize, {"VGA", "720P", "1080P"}),
    {Ctl::VideoLength, 10, {{0, "5    Sec"}, {1, "10  Sec"}, {-1, "90  Sec"}}},
    {Ctl::MaxNumber, 101, {{0, "0"}, {99, "99"}, {-1, "Unlimited"}}},
    whole(Ctl::AttachmentSize, {"Small", "Medium", "Original"}),
    whole(Ctl::RecycleStorage, {"OFF", "7  Days", "14 Days", "30 Days", "Full SD"}),
    whole(Ctl::PictureType, {"Black&White", "Colour"}),
    whole(Ctl::TimeStamp, {"OFF", "ON"}),
    whole(Ctl::SimSet, {"Auto", "Manual"}),
    whole(Ctl::SelectNetwork, {"Auto", "2G", "3G", "4G "}),
};

void expectRadioTexts(const QWidget* dlg, const std::array<int, 4>& ids, const RadioTexts& texts)
{
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const auto* radio = control<QAbstractButton>(dlg, ids[i]);
        ASSERT_NE(radio, nullptr) << ids[i];
        EXPECT_EQ(radio->text(), QString::fromUtf8(texts[i])) << ids[i];
    }
}

class CameraDialogTableTest : public testing::Test
{
protected:
    CameraDialogTableTest() : clock({2025, 6, 1, 8, 30, 0})
    {
        drives.addDrive('C');
        context.emplace(drives.map(), RegistryStore((drives.base() / "registry").string()), messages, clock);
    }

    /// Opens the dialog for `model` over that model's default record.
    std::unique_ptr<QDialog> open(Layout dialog, const std::string& model)
    {
        CameraSettings& settings = context->records().cameraSettings;
        settings = CameraSettings();
        if (const ModelDescriptor* descriptor = ModelCatalogue::find(model))
            applyCameraDefaults(*descriptor, settings);
        messages.clear();
        if (dialog == Layout::D143)
            return std::make_unique<CKRT_CamParaRV718WDlg>(*context, model);
        return std::make_unique<CKRT_CamPara4GDlg>(*context, model);
    }

    TestDrives drives;
    RecordingMessageService messages;
    FixedClock clock;
    std::optional<AppContext> context;
};

TEST_F(CameraDialogTableTest, EachModelGetsItsListsLabelsAndSwitchedOffControls)
{
    for (const ModelCase& c : modelCases()) {
        SCOPED_TRACE(c.model);
        const auto dlg = open(c.dialog, c.model);
        EXPECT_TRUE(messages.shown().empty()) << messages.shown().front().text;
        EXPECT_EQ(dlg->windowTitle(), "Camera Setting");

        expectItems(dlg.get(), c.lists);

        for (const int id : switchable(c.dialog)) {
            const auto* widget = control<QWidget>(dlg.get(), id);
            ASSERT_NE(widget, nullptr) << id;
            EXPECT_EQ(widget->isHidden(), c.hidden.contains(id)) << id;
            // A control the model only hides keeps whatever enable state it has.
            if (!c.hidden.contains(id) || c.off.contains(id)) {
                EXPECT_EQ(!widget->isEnabled(), c.off.contains(id)) << id;
            }
        }

        expectRadioTexts(dlg.get(), kSendToIds, c.sendTo);
        for (const int id : kSendToIds) {
            EXPECT_EQ(control<QWidget>(dlg.get(), id)->isHidden(), c.hidden.contains(id)) << id;
        }
        for (const auto& [id, text] : c.labels) {
            EXPECT_EQ(control<QLabel>(dlg.get(), id)->text(), QString::fromUtf8(text)) << id;
        }

        const auto* name = control<QLineEdit>(dlg.get(), Ctl::CameraName);
        EXPECT_EQ(name->isHidden(), c.nameLimit == 0);
        if (c.nameLimit > 0) {
            EXPECT_EQ(name->maxLength(), c.nameLimit);
        }

        const auto* ftp = control<QWidget>(dlg.get(), Ctl::SendToFtp);
        if (c.dialog == Layout::D204) {
            EXPECT_EQ(ftp, nullptr);
        } else {
            ASSERT_NE(ftp, nullptr);
            EXPECT_EQ(ftp->isHidden(), !c.ftpRadio);
            if (c.ftpRadio) {
                EXPECT_TRUE(ftp->isEnabled());
            }
        }
    }
}

TEST_F(CameraDialogTableTest, ModelsThatKeepTheLayoutShowItsOwnLists)
{
    struct Case
    {
        Layout dialog;
        const char* model;
        const std::vector<Items>& ownLists;
        RadioTexts sendMode;
    } const cases[] = {
        {Layout::D143, "RV718W-16kXS", k143OwnLists, {" Manual", " Daily Report", " Instant", " Off"}},
        {Layout::D204, "TQ480-E", k204OwnLists, {"Batch", " Daily Report", " Instant", " Off"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const auto dlg = open(c.dialog, c.model);
        expectItems(dlg.get(), kSharedResourceLists);
        expectItems(dlg.get(), c.ownLists);
        expectRadioTexts(dlg.get(), kSendModeIds, c.sendMode);
    }
}

TEST_F(CameraDialogTableTest, Dialog143RefusesAModelItDoesNotServeAndKeepsItsLayout)
{
    const auto dlg = open(Layout::D143, "TQ480-E");

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Invalid call for CKRT_CamParaRV718WDlg::Mng_InitForMultiMod() !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);

    expectItems(dlg.get(), kSharedResourceLists);
    expectItems(dlg.get(), k143OwnLists);
    expectRadioTexts(dlg.get(), kSendToIds, k143SendTo);
    EXPECT_TRUE(control<QWidget>(dlg.get(), Ctl::CameraName)->isHidden());
    EXPECT_TRUE(control<QWidget>(dlg.get(), Ctl::SendToFtp)->isHidden());
}

} // namespace
