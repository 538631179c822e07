#include "camera/CameraDialogRules.h"
#include "context/CameraSettings.h"
#include "platform/MessageService.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace CameraDialogRules;

TEST(CameraDialogValues, PositionsAndBack)
{
    struct Case
    {
        const char* what;
        int value;
        int offset;
        int items;
        int position;
    };
    const Case cases[] = {
        {"a value is its position", 3, 0, 4, 3},
        {"-1 shows nothing", -1, 0, 4, kNone},
        {"past the list shows nothing", 4, 0, 4, kNone},
        {"Replay Time -1 shows OFF", -1, kReplayTimeOffset, 100, 0},
        {"Replay Time 5 is the item \"6\"", 5, kReplayTimeOffset, 100, 6},
        {"Replay Time 99 is past the list", 99, kReplayTimeOffset, 100, kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(positionForValue(c.value, c.offset, c.items), c.position) << c.what;
        if (c.position != kNone) {
            EXPECT_EQ(valueForPosition(c.position, c.offset), c.value) << c.what << " (back)";
        }
    }
    EXPECT_EQ(valueForPosition(kNone, 0), -1) << "nothing selected stores -1";
    EXPECT_EQ(valueForPosition(kNone, kReplayTimeOffset), -1);
}

TEST(CameraDialogValues, MaxNumberShowsAtMostUnlimited)
{
    EXPECT_EQ(maxNumberPosition(150, 101), 100) << "\"Unlimited\" where the list has it";
    EXPECT_EQ(maxNumberPosition(150, 100), kNone) << "nothing on a list without it";
    EXPECT_EQ(maxNumberPosition(42, 100), 42);
}

TEST(CameraDialogValues, TypedAttachmentSizeThatIsNoItemIsNothing)
{
    const std::vector<std::string> items{"Low", "Normal", "High"};
    EXPECT_EQ(attachmentSizePosition("Normal", items), 1);
    EXPECT_EQ(attachmentSizePosition("normal", items), kNone);
    EXPECT_EQ(attachmentSizePosition("Huge", items), kNone);
    EXPECT_EQ(attachmentSizePosition("", items), kNone);
}

TEST(CameraDialogSendTo, RadiosFollowTheModelsOrder)
{
    const std::array<int, 4> plain{1040, 1041, 1042, 1043};
    const std::array<int, 4> remapped{1041, 1042, 1043, 1040}; // Cloudnest first on screen, stored as 3
    EXPECT_EQ(sendToRadio(2, plain), 1042);
    EXPECT_EQ(sendToRadio(4, plain), kNone);
    EXPECT_EQ(sendToRadio(-1, plain), kNone);
    EXPECT_EQ(sendToRadio(3, remapped), 1040);
    EXPECT_EQ(sendToValue(1040, remapped), 3);
    EXPECT_EQ(sendToValue(1041, remapped), 0);
    EXPECT_EQ(sendToValue(kNone, plain), 0) << "none selected stores 0";
}

TEST(CameraDialogSendMode, OffsetModelsCountFromDailyReport)
{
    EXPECT_EQ(sendModeRadio(0, 1, 4), 1) << "0 shows \" Daily Report\"";
    EXPECT_EQ(sendModeRadio(-1, 1, 4), 0) << "-1 shows \"Batch\"";
    EXPECT_EQ(sendModeValue(0, 1), -1) << "\"Batch\" stores -1";
    EXPECT_EQ(sendModeValue(3, 1), 2);
    EXPECT_EQ(sendModeRadio(-1, 0, 4), kNone);
    EXPECT_EQ(sendModeRadio(3, 1, 4), kNone);
    EXPECT_EQ(sendModeValue(kNone, 0), -1);

    const SendModeEnables cases[] = {sendModeEnables(0), sendModeEnables(1), sendModeEnables(2),
                                     sendModeEnables(3), sendModeEnables(kNone)};
    const bool sendTime[] = {false, true, false, false, false};
    const bool maxNumber[] = {false, false, true, false, false};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(cases[i].sendTime, sendTime[i]) << i;
        EXPECT_EQ(cases[i].maxNumber, maxNumber[i]) << i;
    }
}

class TimeLapsePirTest : public testing::Test
{
protected:
    RecordingMessageService messages;
};

TEST_F(TimeLapsePirTest, BothOffIsRefusedAndTheListGoesBack)
{
    TimeLapsePirRule rule(3); // "Low", "Normal", "High", "OFF"
    EXPECT_EQ(rule.load(4, 3), 3);
    EXPECT_EQ(rule.timeLapseChanged(0, 3, messages), 4) << "back to the last accepted position";
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              "The status of \"Time Lapse\" and \"PIR Tirgger\" can not be \"OFF\" at the same time !");
    EXPECT_EQ(messages.shown()[0].title, MessageTitle::KrtTips);
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);

    EXPECT_EQ(rule.pirTriggerChanged(1, 4, messages), 1);
    EXPECT_EQ(rule.timeLapseChanged(0, 1, messages), 0);
    EXPECT_EQ(rule.pirTriggerChanged(3, 0, messages), 1);
    EXPECT_EQ(messages.texts().back(),
              "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !");
}

TEST_F(TimeLapsePirTest, OffFirstListsUsePositionZero)
{
    TimeLapsePirRule rule(0); // "OFF", "High", "Normal", "Low"
    EXPECT_EQ(rule.load(0, 0), kNone) << "both OFF at load: PIR Trigger shows nothing";
    EXPECT_EQ(rule.pirTriggerChanged(0, 0, messages), kNone) << "OFF refused while Time Lapse is OFF";
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(rule.pirTriggerChanged(3, 0, messages), 3) << "\"Low\" is no OFF here";
}

TEST(CameraDialogClock, LoadAndStore)
{
    CameraSettings settings;
    settings.setSetClock(false);
    EXPECT_TRUE(loadClock(settings).setClock) << "defaults (-1) are no clock";
    EXPECT_TRUE(settings.setClock()) << "an invalid clock sets the flag at once";

    settings.setClockFields({2024, 2, 29, 23, 59, 58});
    settings.setSetClock(false);
    const ClockGroupState valid = loadClock(settings);
    EXPECT_FALSE(valid.setClock);
    EXPECT_EQ(valid.pickers, (LocalDateTime{2024, 2, 29, 23, 59, 58}));

    settings.setClockFields({2023, 2, 29, 10, 0, 0});
    EXPECT_TRUE(loadClock(settings).setClock) << "29 February 2023 is no date";

    storeClock(settings, false, {2025, 7, 1, 6, 5, 4});
    EXPECT_FALSE(settings.setClock()) << "a picked date and time clears the flag";
    EXPECT_EQ(settings.clock(), (LocalDateTime{2025, 7, 1, 6, 5, 4}));

    storeClock(settings, true, {1999, 1, 1, 0, 0, 0});
    EXPECT_TRUE(settings.setClock());
    EXPECT_EQ(settings.clock(), (LocalDateTime{2025, 7, 1, 6, 5, 4})) << "ticked keeps the stored fields";
}

class GameCallChoiceTest : public testing::Test
{
protected:
    std::string audioPath;
    RecordingMessageService messages;
    GameCallAudioChoice choice{audioPath, messages};
};

TEST_F(GameCallChoiceTest, OffDropsTheChosenSoundAtOnce)
{
    audioPath = "/home/me/elk.mp3";
    choice.load(true, 1);
    EXPECT_EQ(choice.fieldText(), "/home/me/elk.mp3");
    EXPECT_FALSE(choice.enable(false));
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint);
    EXPECT_EQ(audioPath, "") << "gone even if the dialog is cancelled";
}

TEST_F(GameCallChoiceTest, LoadShowsThePathOnlyForAStoredOn)
{
    audioPath = "  /home/me/elk.mp3 ";
    choice.load(true, 1);
    EXPECT_EQ(choice.fieldText(), "/home/me/elk.mp3");
    choice.load(true, 0);
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint);
    EXPECT_EQ(audioPath, "");
    choice.load(true, 1);
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint) << "nothing chosen shows the hint";
}

TEST_F(GameCallChoiceTest, ChooseAndStore)
{
    choice.load(true, 1);
    choice.choose(std::string("/home/me/duck.wav"), true);
    EXPECT_EQ(choice.fieldText(), "/home/me/duck.wav");
    EXPECT_EQ(audioPath, "") << "choosing alone does not change the chosen sound";
    choice.store(true);
    EXPECT_EQ(audioPath, "/home/me/duck.wav");
    choice.store(false);
    EXPECT_EQ(audioPath, "");
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(GameCallChoiceTest, MissingFilesAndCancelledChoices)
{
    choice.load(true, 1);
    choice.choose(std::string("/gone.mp3"), false);
    EXPECT_EQ(messages.texts().back(), "File is not exist !");
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint);

    choice.choose(std::string("/home/me/duck.wav"), true);
    messages.answerNext(MessageAnswer::Ok);
    choice.choose(std::string("/gone.mp3"), false);
    EXPECT_EQ(messages.shown().back().text,
              "File is not exist ! \nWhether retain the directory record of audio file last time you added ?");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Warning);
    EXPECT_EQ(choice.fieldText(), "/home/me/duck.wav") << "OK keeps the last choice";
    messages.answerNext(MessageAnswer::Cancel);
    choice.choose(std::string("/gone.mp3"), false);
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint);

    choice.choose(std::nullopt, false);
    EXPECT_EQ(messages.shown().size(), 3u) << "a cancelled choice over the hint asks nothing";
    choice.choose(std::string("/home/me/duck.wav"), true);
    messages.answerNext(MessageAnswer::Cancel);
    choice.choose(std::nullopt, false);
    EXPECT_EQ(messages.shown().back().text,
              "Whether retain the directory record of audio file last time you added ?");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Question);
    EXPECT_EQ(choice.fieldText(), GameCallAudioChoice::kHint);
}

} // namespace
