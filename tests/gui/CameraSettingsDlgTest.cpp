#include "TestDrives.h"
#include "camera/CKRT_CamPara4GDlg.h"
#include "camera/CKRT_CamParaRV718WDlg.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"
#include "network/CKRT_FtpSettingDlg.h"
#include "params/CKRT_MainParaDlg.h"
#include "params/MainParaCore.h"
#include "platform/DialogControls.h"

#include "CameraDialogFixture.h"
#include "GuiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

class CameraSettingsDlgTest : public CameraDialogFixture
{
protected:
    template <typename Dialog>
    std::unique_ptr<Dialog> open(const char* model)
    {
        return std::make_unique<Dialog>(*context, model);
    }
};

TEST_F(CameraSettingsDlgTest, OkAsksStoresAndReports)
{
    record("TQ270").setValue(K::Language, 0);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    choose(dlg.get(), Ctl::Language, 2);

    messages.answerNext(MessageAnswer::Cancel);
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::Language), 0) << "Cancel on the question changes nothing";
    EXPECT_EQ(dlg->result(), 0) << "and the dialog stays open";

    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::Language), 2);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Save all camera parameters ?", "Save all camera parameters ?",
                                                          "OK,Camara parameters have been saved success !"}));
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(CameraSettingsDlgTest, CancelLeavesTheRecordAlone)
{
    record("TQ480-E");
    const CameraSettings before = settings();
    auto dlg = open<CKRT_CamPara4GDlg>("TQ480-E");
    choose(dlg.get(), Ctl::SelectNetwork, 3);
    choose(dlg.get(), Ctl::PhotoSize, 2);
    button(dlg.get(), 2)->click();
    EXPECT_EQ(settings(), before);
}

TEST_F(CameraSettingsDlgTest, Tq330EditsItsCameraNameInPlaceOfThePosition)
{
    record("TQ330").setCameraName("Deer Stand");
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ330");
    auto* name = control<QLineEdit>(dlg.get(), Ctl::CameraName);
    EXPECT_TRUE(combo(dlg.get(), Ctl::CameraPosition)->isHidden());
    EXPECT_FALSE(name->isHidden());
    EXPECT_EQ(name->text(), "Deer Stand");
    name->setText("North Ridge Feeder");
    EXPECT_EQ(name->text(), "North Ridg") << "at most 10 characters";
    confirm(dlg.get());
    EXPECT_EQ(settings().cameraName(), "North Ridg");

    record("TQ270").setCameraName("kept");
    auto other = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_TRUE(control<QLineEdit>(other.get(), Ctl::CameraName)->isHidden());
    confirm(other.get());
    EXPECT_EQ(settings().cameraName(), "kept") << "a model without a name leaves it alone";
}

TEST_F(CameraSettingsDlgTest, SendModeOfTheModelsCountingFromDailyReport)
{
    record("TQ160-E").setValue(K::SendMode, 0);
    auto dlg = open<CKRT_CamPara4GDlg>("TQ160-E");
    EXPECT_TRUE(button(dlg.get(), Ctl::SendMode2)->isChecked()) << "0 shows \" Daily Report\"";
    EXPECT_TRUE(combo(dlg.get(), Ctl::SendTimeHour)->isEnabled());
    EXPECT_FALSE(combo(dlg.get(), Ctl::MaxNumber)->isEnabled());
    button(dlg.get(), Ctl::SendMode3)->click();
    EXPECT_FALSE(combo(dlg.get(), Ctl::SendTimeHour)->isEnabled());
    EXPECT_TRUE(combo(dlg.get(), Ctl::MaxNumber)->isEnabled());
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::SendMode), 1) << "\" Instant\" is 1";

    settings().setValue(K::SendMode, -1);
    auto batch = open<CKRT_CamPara4GDlg>("TQ160-E");
    EXPECT_TRUE(button(batch.get(), Ctl::SendMode1)->isChecked()) << "-1 shows \"Batch\"";
    EXPECT_FALSE(button(batch.get(), Ctl::SendMode1)->isEnabled()) << "which the user cannot choose";
    confirm(batch.get());
    EXPECT_EQ(settings().value(K::SendMode), -1);
}

TEST_F(CameraSettingsDlgTest, PirTriggerOffIsTheModelsOwnOff)
{
    CameraSettings& s = record("TQ160-E");
    s.setValue(K::TimeLapse, 0);
    s.setValue(K::PirTrigger, 2);
    auto dlg = open<CKRT_CamPara4GDlg>("TQ160-E");
    choose(dlg.get(), Ctl::PirTrigger, 0);
    EXPECT_EQ(combo(dlg.get(), Ctl::PirTrigger)->currentIndex(), 2) << "\"OFF\" is refused while Time Lapse is OFF";
    EXPECT_EQ(messages.texts().back(),
              "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !");
    choose(dlg.get(), Ctl::PirTrigger, 3);
    EXPECT_EQ(combo(dlg.get(), Ctl::PirTrigger)->currentIndex(), 3) << "\"Low\" is allowed";
    choose(dlg.get(), Ctl::TimeLapse, 2);
    choose(dlg.get(), Ctl::PirTrigger, 0);
    EXPECT_EQ(combo(dlg.get(), Ctl::PirTrigger)->currentIndex(), 0);
    choose(dlg.get(), Ctl::TimeLapse, 0);
    EXPECT_EQ(combo(dlg.get(), Ctl::TimeLapse)->currentIndex(), 2) << "Time Lapse goes back";
    EXPECT_EQ(messages.shown().back().title, MessageTitle::KrtTips);
}

TEST_F(CameraSettingsDlgTest, SendToOfRv731Q40KIsRemapped)
{
    record("RV731Q-40K").setValue(K::SendTo, 3);
    auto dlg = open<CKRT_CamParaRV718WDlg>("RV731Q-40K");
    EXPECT_TRUE(button(dlg.get(), Ctl::SendTo1)->isChecked());
    EXPECT_EQ(button(dlg.get(), Ctl::SendTo1)->text(), "Cloudnest");
    button(dlg.get(), Ctl::SendTo2)->click();
    EXPECT_FALSE(button(dlg.get(), Ctl::SendTo1)->isChecked()) << "one radio at a time";
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::SendTo), 0) << "\"MMS\" is stored as 0";
}

TEST_F(CameraSettingsDlgTest, ChoosingFtpOpensTheFtpSetting)
{
    record("TQ270");
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    bool ftpShown = false;
    whenModalShows([&](QWidget* modal) {
        ftpShown = qobject_cast<CKRT_FtpSettingDlg*>(modal) != nullptr;
        modal->close();
    });
    button(dlg.get(), Ctl::SendToFtp)->click();
    EXPECT_TRUE(ftpShown);
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::SendTo), 4);

    record("TQ480-E");
    auto fourG = open<CKRT_CamPara4GDlg>("TQ480-E");
    ftpShown = false;
    whenModalShows([&](QWidget* modal) {
        ftpShown = qobject_cast<CKRT_FtpSettingDlg*>(modal) != nullptr;
        modal->close();
    });
    button(fourG.get(), Ctl::SendTo4)->click();
    EXPECT_TRUE(ftpShown) << "dialog 204's \"FTP\" radio";
}

TEST_F(CameraSettingsDlgTest, MaxNumberBeyondTheList)
{
    record("TQ270").setValue(K::MaxNumber, 150);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_EQ(combo(dlg.get(), Ctl::MaxNumber)->currentText(), "Unlimited");
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::MaxNumber), 100);

    record("RV718W-16kXS").setValue(K::MaxNumber, 150);
    auto plain = open<CKRT_CamParaRV718WDlg>("RV718W-16kXS");
    EXPECT_EQ(combo(plain.get(), Ctl::MaxNumber)->currentIndex(), -1) << "no \"Unlimited\" in this list";
    confirm(plain.get());
    EXPECT_EQ(settings().value(K::MaxNumber), -1);
}

TEST_F(CameraSettingsDlgTest, AValueOutsideTheListIsWrittenEmpty)
{
    CameraSettings& s = record("TQ270");
    s.setValue(K::Language, 40);
    s.setValue(K::GameCallPlayTime, 7);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_EQ(combo(dlg.get(), Ctl::Language)->currentIndex(), -1);
    EXPECT_EQ(combo(dlg.get(), Ctl::ReplayTime)->currentText(), "8") << "Replay Time counts from -1 (\"OFF\")";
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::Language), -1);
    EXPECT_EQ(settings().value(K::GameCallPlayTime), 7);
    const std::string file = saveToCard("TQ270");
    EXPECT_NE(file.find("\r\nLanguage=\r\n"), std::string::npos) << file;
}

TEST_F(CameraSettingsDlgTest, GameCallOffDropsTheChosenSound)
{
    record("TQ270").setValue(K::GameCall, 1);
    context->records().gameCallAudioPath = "/home/me/elk.mp3";
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    auto* path = control<QLineEdit>(dlg.get(), Ctl::AudioPath);
    EXPECT_EQ(path->text(), "/home/me/elk.mp3");
    EXPECT_TRUE(button(dlg.get(), Ctl::AddAudio)->isEnabled());
    choose(dlg.get(), Ctl::GameCall, 0);
    EXPECT_EQ(path->text(), "You can click the left button to add the audio file!");
    EXPECT_FALSE(combo(dlg.get(), Ctl::GameCallHour)->isEnabled());
    EXPECT_FALSE(button(dlg.get(), Ctl::AddAudio)->isEnabled());
    button(dlg.get(), 2)->click();
    EXPECT_EQ(context->records().gameCallAudioPath, "") << "gone although the dialog was cancelled";
}

TEST_F(CameraSettingsDlgTest, AddAudioTakesTheChosenFileOnOk)
{
    record("TQ270").setValue(K::GameCall, 1);
    const std::filesystem::path sound = drives.base() / "duck call.mp3";
    TestDrives::writeText(sound, "ID3");
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    QString filter;
    dlg->setFileChooser([&](QWidget*, const QString& f) -> std::optional<QString> {
        filter = f;
        return QString::fromStdString(sound.string());
    });
    button(dlg.get(), Ctl::AddAudio)->click();
    EXPECT_TRUE(filter.contains("*.mp3") && filter.contains("*.wav") && filter.contains("*.aac"));
    EXPECT_EQ(control<QLineEdit>(dlg.get(), Ctl::AudioPath)->text().toStdString(), sound.string());
    EXPECT_EQ(context->records().gameCallAudioPath, "") << "only OK takes the choice";
    confirm(dlg.get());
    EXPECT_EQ(context->records().gameCallAudioPath, sound.string());
}

TEST_F(CameraSettingsDlgTest, SmsControlOnNeedsConfirmation)
{
    record("TQ480-E").setValue(K::SmsControl, 0);
    auto dlg = open<CKRT_CamPara4GDlg>("TQ480-E");
    messages.answerNext(MessageAnswer::Cancel);
    choose(dlg.get(), Ctl::SmsControl, 1);
    EXPECT_EQ(combo(dlg.get(), Ctl::SmsControl)->currentIndex(), 0);
    EXPECT_EQ(messages.shown().back().text,
              "Electricity will consume faster if open the 4G communications functions, sure ?");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Warning);
    choose(dlg.get(), Ctl::SmsControl, 1);
    EXPECT_EQ(combo(dlg.get(), Ctl::SmsControl)->currentIndex(), 1);
}

TEST_F(CameraSettingsDlgTest, WorkDayGroup)
{
    record("TQ355").setValue(K::WorkDay, 64 + 8 + 1);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ355");
    auto* all = control<QCheckBox>(dlg.get(), Ctl::SelectAll);
    EXPECT_EQ(all->checkState(), Qt::PartiallyChecked);
    all->click();
    EXPECT_EQ(all->checkState(), Qt::Checked);
    EXPECT_TRUE(control<QCheckBox>(dlg.get(), Ctl::Monday)->isChecked());
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::WorkDay), 127);

    auto again = open<CKRT_CamParaRV718WDlg>("TQ355");
    control<QCheckBox>(again.get(), Ctl::SelectAll)->click();
    control<QCheckBox>(again.get(), Ctl::Friday)->click();
    EXPECT_EQ(control<QCheckBox>(again.get(), Ctl::SelectAll)->checkState(), Qt::PartiallyChecked);
    confirm(again.get());
    EXPECT_EQ(settings().value(K::WorkDay), 2);

    settings().setValue(K::WorkDay, -1);
    auto none = open<CKRT_CamParaRV718WDlg>("TQ355");
    EXPECT_EQ(control<QCheckBox>(none.get(), Ctl::SelectAll)->checkState(), Qt::Unchecked);
    confirm(none.get());
    EXPECT_EQ(settings().value(K::WorkDay), 0);
}

TEST_F(CameraSettingsDlgTest, ADisabledWorkDayGroupKeepsTheMask)
{
    record("TQ270").setValue(K::WorkDay, 64 + 1);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_FALSE(control<QCheckBox>(dlg.get(), Ctl::Sunday)->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(dlg.get(), Ctl::Sunday)->isChecked());
    confirm(dlg.get());
    EXPECT_EQ(settings().value(K::WorkDay), 65);
}

// Masks the seven boxes cannot show go back as they came where nobody could
// have changed the boxes.
TEST_F(CameraSettingsDlgTest, ADisabledWorkDayGroupStoresEvenAMaskTheBoxesCannotShow)
{
    for (const char* model : {"WD17-F28K", "WD18-F28K", "TQ270", "RV615-5X"}) {
        for (const int mask : {200, -1}) {
            record(model).setValue(K::WorkDay, mask);
            auto dlg = open<CKRT_CamParaRV718WDlg>(model);
            ASSERT_FALSE(control<QCheckBox>(dlg.get(), Ctl::SelectAll)->isEnabled()) << model;
            confirm(dlg.get());
            EXPECT_EQ(settings().value(K::WorkDay), mask) << model;
        }
    }
    record("TQ355").setValue(K::WorkDay, 200);
    auto editable = open<CKRT_CamParaRV718WDlg>("TQ355");
    confirm(editable.get());
    EXPECT_EQ(settings().value(K::WorkDay), 64 + 8) << "where the boxes edit it, they make the mask";
}

// The file keeps the name in bytes; letters beyond ASCII take two or three
// each, so a limit in characters let names through that came back cut.
TEST_F(CameraSettingsDlgTest, TheCameraNameIsLimitedInBytesAndComesBackWhole)
{
    struct Case
    {
        const char* model;
        const char* typed;
        const char* kept;
    } const cases[] = {
        {"TQ330", "Äsungsfläche", "Äsungsfl"},           // 9 bytes: the next letter takes two more
        {"TQ480-E", "北山饲料点东侧入口", "北山饲料点东"}, // 18 bytes of 20
        {"TQ480-E", "Feeder 🦌 North side", "Feeder 🦌 North si"}, // the deer takes four
    };
    for (const Case& c : cases) {
        record(c.model).setCameraName("");
        std::unique_ptr<QDialog> dlg;
        if (std::string(c.model) == "TQ330")
            dlg = open<CKRT_CamParaRV718WDlg>(c.model);
        else
            dlg = open<CKRT_CamPara4GDlg>(c.model);
        auto* name = control<QLineEdit>(dlg.get(), Ctl::CameraName);
        name->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(name->text().toStdString(), c.kept) << c.model;
        pasteInto(name, QString::fromUtf8(c.typed));
        EXPECT_EQ(name->text().toStdString(), c.kept) << "pasted, " << c.model;
        confirm(dlg.get());
        ASSERT_EQ(settings().cameraName(), c.kept);

        saveToCard(c.model);
        settings().setCameraName("");
        MainParaCore core(*context, c.model);
        core.Mng_CurModSaveInfoSet();
        core.setSaveTarget("E:\\" + core.fileTexts().relativeCardPath);
        ASSERT_EQ(core.Mng_AllPara(MainParaCore::kRead, MainParaCore::kCardFile), 1);
        EXPECT_EQ(settings().cameraName(), c.kept) << "read back whole, " << c.model;
    }
}

class CameraClockTest : public CameraSettingsDlgTest
{
protected:
    static QDateTimeEdit* date(QWidget* d) { return control<QDateTimeEdit>(d, Ctl::ClockDate); }
    static QDateTimeEdit* time(QWidget* d) { return control<QDateTimeEdit>(d, Ctl::ClockTime); }
};

TEST_F(CameraClockTest, DefaultsFollowThePcClock)
{
    record("TQ270");
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_TRUE(button(dlg.get(), Ctl::SetClock)->isChecked());
    EXPECT_FALSE(date(dlg.get())->isEnabled());
    EXPECT_EQ(date(dlg.get())->date(), QDate(2025, 6, 1));
    EXPECT_EQ(time(dlg.get())->time(), QTime(8, 30, 0));

    clock.set({2025, 6, 1, 8, 30, 1});
    QEventLoop loop;
    QTimer::singleShot(1200, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(time(dlg.get())->time(), QTime(8, 30, 1)) << "the pickers follow the PC while ticked";

    button(dlg.get(), Ctl::SetClock)->click();
    EXPECT_TRUE(date(dlg.get())->isEnabled());
    EXPECT_TRUE(time(dlg.get())->isEnabled());
}

TEST_F(CameraClockTest, AStoredClockShowsAndAPickedOneIsSaved)
{
    CameraSettings& s = record("TQ270");
    s.setClockFields({2024, 12, 24, 18, 5, 9});
    s.setSetClock(false);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_FALSE(button(dlg.get(), Ctl::SetClock)->isChecked());
    EXPECT_TRUE(date(dlg.get())->isEnabled());
    EXPECT_EQ(date(dlg.get())->date(), QDate(2024, 12, 24));
    EXPECT_EQ(time(dlg.get())->time(), QTime(18, 5, 9));

    date(dlg.get())->setDate(QDate(2026, 3, 15));
    time(dlg.get())->setTime(QTime(6, 45, 0));
    confirm(dlg.get());
    EXPECT_FALSE(settings().setClock());
    const std::string file = saveToCard("TQ270");
    EXPECT_NE(file.find("Clock Year=2026\r\nClock Month=3\r\nClock Day=15\r\nClock Hour=6\r\nClock Minute=45\r\n"),
              std::string::npos)
        << file;
}

TEST_F(CameraClockTest, AnImpossibleDateLoadsAsNoClock)
{
    CameraSettings& s = record("TQ270");
    s.setClockFields({2023, 2, 29, 10, 0, 0});
    s.setSetClock(false);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    EXPECT_TRUE(button(dlg.get(), Ctl::SetClock)->isChecked());
    EXPECT_TRUE(settings().setClock()) << "set at once, even if the dialog is cancelled";
}

TEST_F(CameraClockTest, TickedClockStampsEachSaveWithItsOwnTime)
{
    CameraSettings& s = record("TQ270");
    s.setClockFields({2024, 12, 24, 18, 5, 9});
    s.setSetClock(false);
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    button(dlg.get(), Ctl::SetClock)->click();
    confirm(dlg.get());
    EXPECT_TRUE(settings().setClock());

    clock.set({2025, 6, 1, 9, 0, 0});
    EXPECT_NE(saveToCard("TQ270").find("Clock Hour=9\r\nClock Minute=0\r\n"), std::string::npos);
    clock.set({2025, 6, 1, 9, 1, 0});
    EXPECT_NE(saveToCard("TQ270").find("Clock Hour=9\r\nClock Minute=1\r\n"), std::string::npos);
}

// Through the dialog's controls and the main dialog's SAVE to the file.
TEST_F(CameraSettingsDlgTest, EndToEndDialog143)
{
    record("TQ270");
    auto dlg = open<CKRT_CamParaRV718WDlg>("TQ270");
    choose(dlg.get(), Ctl::Language, 3);
    choose(dlg.get(), Ctl::VideoLength, 0);
    choose(dlg.get(), Ctl::WorkHour, 1);
    choose(dlg.get(), Ctl::StartHour, 6);
    choose(dlg.get(), Ctl::ReplayTime, 0);
    button(dlg.get(), Ctl::SendMode2)->click();
    choose(dlg.get(), Ctl::SendTimeHour, 21);
    combo(dlg.get(), Ctl::AttachmentSize)->setEditText("High");
    button(dlg.get(), Ctl::SendTo2)->click();
    confirm(dlg.get());
    const std::string file = saveToCard("TQ270");
    for (const char* line : {"\r\nLanguage=3\r\n", "\r\nVideo Length=0\r\n", "\r\nWork Hour=1\r\n",
                             "\r\nWork Hour StartH=6\r\n", "\r\nGameCall PlayTime=-1\r\n", "\r\nSend Mode=1\r\n",
                             "\r\nDR Time H=21\r\n", "\r\nSend To=1\r\n", "\r\nAttachment Size=2\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;
}

TEST_F(CameraSettingsDlgTest, EndToEndDialog204)
{
    record("TQ480-E");
    auto dlg = open<CKRT_CamPara4GDlg>("TQ480-E");
    choose(dlg.get(), Ctl::SelectNetwork, 3);
    choose(dlg.get(), Ctl::TimeStamp, 0);
    choose(dlg.get(), Ctl::SimSet, 1);
    choose(dlg.get(), Ctl::RecycleStorage, 4);
    choose(dlg.get(), Ctl::MaxNumber, 100);
    button(dlg.get(), Ctl::SendTo2)->click();
    control<QLineEdit>(dlg.get(), Ctl::CameraName)->setText("Oak Tree 7");
    confirm(dlg.get());
    const std::string file = saveToCard("TQ480-E");
    for (const char* line : {"\r\nSelect Network=3\r\n", "\r\nTime Stamp=0\r\n", "\r\nSIM Set=1\r\n",
                             "\r\nRecycle Storage=4\r\n", "\r\nMax Number=100\r\n", "\r\nSend To=1\r\n",
                             "\r\nCamera Name=Oak Tree 7\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;
}

TEST_F(CameraSettingsDlgTest, ChangeSettingOpensTheModelsDialog)
{
    struct Case
    {
        const char* model;
        const char* dialog;
    } const cases[] = {{"TQ270", "CKRT_CamParaRV718WDlg"},         {"TQ355", "CKRT_CamParaRV718WDlg"},
                       {"TQ480-E", "CKRT_CamPara4GDlg"},           {"TQ350-E", "CKRT_CamPara4GDlg"},
                       {"TQ240 SERIES", "CKRT_CamParaTQ240Dlg"},   {"RV720Q-16kXS", "CKRT_CamParaRV720QDlg"},
                       {"NP440LW-16kXS", "CKRT_CamParaGroup1Dlg"}, {"WD16-G22K", "CKRT_CamParaGroup1Dlg"}};
    for (const Case& c : cases) {
        CKRT_MainParaDlg main(*context, c.model);
        ASSERT_TRUE(main.initialise());
        QString shown;
        whenModalShows([&](QWidget* modal) {
            shown = modal->metaObject()->className();
            modal->close();
        });
        main.Mng_JumpToCertainMod();
        EXPECT_EQ(shown, c.dialog) << c.model;
    }
}

} // namespace
