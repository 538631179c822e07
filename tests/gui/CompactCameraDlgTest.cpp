#include "CameraDialogFixture.h"
#include "TestDrives.h"
#include "camera/CKRT_CamParaGroup1Dlg.h"
#include "camera/CKRT_CamParaRV720QDlg.h"
#include "camera/CKRT_CamParaTQ240Dlg.h"
#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"
#include "platform/DialogControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

class CompactCameraDlgTest : public CameraDialogFixture
{
protected:
    static std::vector<std::string> items(QComboBox* list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->itemText(i).toStdString());
        return out;
    }
};

TEST_F(CompactCameraDlgTest, Tq240CallIsSendToThree)
{
    record("TQ240 SERIES").setValue(K::SendTo, 0);
    CKRT_CamParaTQ240Dlg dlg(*context, "TQ240 SERIES");
    EXPECT_TRUE(button(&dlg, Ctl::SendToLocal)->isChecked());
    button(&dlg, Ctl::SendTo4)->click();
    EXPECT_FALSE(button(&dlg, Ctl::SendToLocal)->isChecked());
    EXPECT_EQ(button(&dlg, Ctl::SendTo4)->text(), " Call");
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::SendTo), 3);
    const std::string file = saveToCard("TQ240 SERIES");
    const std::size_t section = file.find("[Camera Setting]\r\n");
    ASSERT_NE(section, std::string::npos);
    EXPECT_NE(file.find("\r\nSend To=3\r\n", section), std::string::npos) << file;
}

TEST_F(CompactCameraDlgTest, Tq240WithNoSendToStoresMinusOne)
{
    record("TQ240 SERIES").setValue(K::SendTo, 9);
    CKRT_CamParaTQ240Dlg dlg(*context, "TQ240 SERIES");
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::SendTo), -1);
    EXPECT_EQ(combo(&dlg, Ctl::WorkMode)->itemText(1), "Outdoor") << "1011 is Work Mode here";
}

TEST_F(CompactCameraDlgTest, Rv720QSendToIsADropList)
{
    record("RV720Q-16kXS").setValue(K::SendTo, 3);
    CKRT_CamParaRV720QDlg dlg(*context, "RV720Q-16kXS");
    EXPECT_EQ(combo(&dlg, Ctl::SendToList)->currentText(), "Call");
    choose(&dlg, Ctl::SendToList, 1);
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::SendTo), 1);
}

TEST_F(CompactCameraDlgTest, SmsControlQuestionsNameTheNetwork)
{
    struct Case
    {
        const char* model;
        const char* question;
    } const cases[] = {
        {"RV720Q-16kXS", "Electricity will consume faster if open the 4G communications functions, sure ?"},
        {"RV610W-16kXS", "Electricity will consume faster if open the 3G communications functions, sure ?"},
    };
    for (const Case& c : cases) {
        record(c.model).setValue(K::SmsControl, 0);
        std::unique_ptr<QDialog> dlg;
        if (std::string(c.model) == "RV720Q-16kXS")
            dlg = std::make_unique<CKRT_CamParaRV720QDlg>(*context, c.model);
        else
            dlg = std::make_unique<CKRT_CamParaGroup1Dlg>(*context, c.model);
        messages.answerNext(MessageAnswer::Cancel);
        choose(dlg.get(), Ctl::SmsControl, 1);
        EXPECT_EQ(messages.shown().back().text, c.question);
        EXPECT_EQ(messages.shown().back().icon, MessageIcon::Warning);
        EXPECT_EQ(combo(dlg.get(), Ctl::SmsControl)->currentText(), "OFF") << c.model << ": Cancel goes back";
    }
}

TEST_F(CompactCameraDlgTest, Np290EHasNoSmsControl)
{
    record("NP290E-16kXS").setValue(K::SmsControl, 1);
    CKRT_CamParaGroup1Dlg dlg(*context, "NP290E-16kXS");
    EXPECT_TRUE(combo(&dlg, Ctl::SmsControl)->isHidden());
    EXPECT_FALSE(combo(&dlg, Ctl::SmsControl)->isEnabled());
    EXPECT_TRUE(control<QLabel>(&dlg, Ctl::SmsControlLabel)->isHidden());
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::SmsControl), 1) << "the stored value is left as it was";
}

TEST_F(CompactCameraDlgTest, Group1RefusesAModelOutsideItsTen)
{
    record("TQ270");
    const CameraSettings before = settings();
    CKRT_CamParaGroup1Dlg dlg(*context, "TQ270");
    EXPECT_EQ(dlg.exec(), QDialog::Rejected) << "closes at once";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Error In CKRT_CamParaGroup1Dlg::OnInitDialog() !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Error);
    EXPECT_EQ(settings(), before);
}

// Written from the table of the ten models, not from the code's table.
TEST_F(CompactCameraDlgTest, Group1ListsPerModel)
{
    const std::vector<std::string> resourceLanguages{"English", "Suomi", "Deutsch", "Svenskt", "Slovakian"};
    const std::vector<std::string> noSlovakian{"English", "Suomi", "Deutsch", "Svenskt"};
    const std::vector<std::string> moreLanguages{"English", "Suomi",   "Deutsch",    "Svenskt", "Slovakian",
                                                 "Czech",   "Russian", "Lithuanian", "Danish"};
    const std::vector<std::string> languages22k{"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "French"};
    struct Case
    {
        const char* model;
        const std::vector<std::string>* languages;
        std::vector<std::string> photoSizes;
        bool twentyTwoK;
    };
    const Case cases[] = {
        {"RV610W-16kXS", &resourceLanguages, {"5M", "8M", "12M"}, false},
        {"NP290E-16kXS", &resourceLanguages, {"5M", "8M", "12M"}, false},
        {"NP440LW-16kXS", &resourceLanguages, {"5M", "8M", "12M"}, false},
        {"RV610W-18kXS", &resourceLanguages, {"5M", "10M", "14M"}, false},
        {"RV612Q-16kXS", &noSlovakian, {"5M", "8M", "12M"}, false},
        {"RV612Q-18kXS", &noSlovakian, {"5M", "10M", "14M"}, false},
        {"NP440LW-18kXS", &moreLanguages, {"5M", "10M", "14M"}, false},
        {"NP445LW-18kXS", &moreLanguages, {"5M", "10M", "14M"}, false},
        {"NP440LW-22kXS", &languages22k, {"5M", "12M", "18M"}, true},
        {"WD16-G22K", &languages22k, {"5M", "12M", "18M"}, true},
    };
    for (const Case& c : cases) {
        record(c.model);
        CKRT_CamParaGroup1Dlg dlg(*context, c.model);
        EXPECT_EQ(items(combo(&dlg, Ctl::CameraMode)), (std::vector<std::string>{"Photo", "Video", "Pic+Vid"}))
            << c.model;
        EXPECT_EQ(items(combo(&dlg, Ctl::Language)), *c.languages) << c.model;
        EXPECT_EQ(items(combo(&dlg, Ctl::PhotoSize)), c.photoSizes) << c.model;
        EXPECT_EQ(combo(&dlg, Ctl::SmsControl)->isHidden(), std::string(c.model) == "NP290E-16kXS") << c.model;
        const std::vector<std::string> timeLapse = items(combo(&dlg, Ctl::TimeLapse));
        const std::vector<std::string> videoSizes = items(combo(&dlg, Ctl::VideoSize));
        if (c.twentyTwoK) {
            ASSERT_EQ(timeLapse.size(), 19u) << c.model;
            EXPECT_EQ(timeLapse[1], "10Min") << c.model << ": position 1 is ten minutes";
            EXPECT_EQ(timeLapse[10], "55Min");
            EXPECT_EQ(timeLapse[11], "1Hour");
            EXPECT_EQ(timeLapse.back(), "8Hour");
            EXPECT_EQ(videoSizes, (std::vector<std::string>{"1080P", "720P", "VGA"})) << c.model;
        } else {
            EXPECT_EQ(timeLapse.size(), 20u) << c.model;
            EXPECT_EQ(videoSizes, (std::vector<std::string>{"1280*720", "640*480"})) << c.model;
        }
    }
}

TEST_F(CompactCameraDlgTest, Wd16G22KTimeLapseOneIsTenMinutes)
{
    record("WD16-G22K").setValue(K::TimeLapse, 0);
    CKRT_CamParaGroup1Dlg dlg(*context, "WD16-G22K");
    choose(&dlg, Ctl::TimeLapse, 1);
    EXPECT_EQ(combo(&dlg, Ctl::TimeLapse)->currentText(), "10Min");
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::TimeLapse), 1);
}

TEST_F(CompactCameraDlgTest, Group1SendToNoneIsMinusOneAndPirRuleApplies)
{
    CameraSettings& s = record("NP440LW-16kXS");
    s.setValue(K::SendTo, 2);
    s.setValue(K::TimeLapse, 0);
    s.setValue(K::PirTrigger, 1);
    CKRT_CamParaGroup1Dlg dlg(*context, "NP440LW-16kXS");
    EXPECT_TRUE(button(&dlg, Ctl::SendTo3)->isChecked());
    choose(&dlg, Ctl::PirTrigger, 3);
    EXPECT_EQ(combo(&dlg, Ctl::PirTrigger)->currentIndex(), 1) << "OFF with Time Lapse OFF is refused";
    confirm(&dlg);
    EXPECT_EQ(settings().value(K::SendTo), 2);

    settings().setValue(K::SendTo, 3);
    CKRT_CamParaGroup1Dlg none(*context, "NP440LW-16kXS");
    EXPECT_FALSE(button(&none, Ctl::SendTo1)->isChecked() || button(&none, Ctl::SendTo2)->isChecked() ||
                 button(&none, Ctl::SendTo3)->isChecked());
    confirm(&none);
    EXPECT_EQ(settings().value(K::SendTo), -1) << "no radio selected stores -1 here";
}

} // namespace
