#include "camera/CameraValueRules.h"

#include "models/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using K = CameraKey;

const ModelDescriptor& model(const char* entry)
{
    return *ModelCatalogue::find(entry);
}

ValueRule rule(const char* entry, CameraKey key)
{
    return CameraValueRules::ruleFor(model(entry), key);
}

TEST(CameraValueRulesTest, ADropListGivesItsItemsAsTheModelsDialogShowsThem)
{
    EXPECT_EQ(rule("TQ270", K::PirTrigger).items, (std::vector<std::string>{"Low", "Normal", "High", "OFF"}));
    EXPECT_EQ(rule("TQ160-E", K::PirTrigger).items,
              (std::vector<std::string>{"OFF", "High", "Normal", "Low"}));
    EXPECT_EQ(rule("TQ270", K::Language).items.size(), 15u) << "TQ270's row replaces the language list";
    EXPECT_EQ(rule("TQ270", K::MaxNumber).items.size(), 101u) << "\"Unlimited\" appended";
    EXPECT_EQ(rule("RV718W-16kXS", K::MaxNumber).items.size(), 100u) << "the layout's list";
    EXPECT_EQ(rule("RV720Q-16kXS", K::SendTo).items,
              (std::vector<std::string>{"Photo[MMS]", "Email[MMS]", "Email[GPRS]", "Call"}))
        << "dialog 154's Send To is a drop list";
    const ValueRule replay = rule("TQ270", K::GameCallPlayTime);
    EXPECT_EQ(replay.offset, -1);
    EXPECT_EQ(replay.itemOf("-1"), "OFF");
    EXPECT_EQ(rule("TQ270", K::WorkHourStopH).allowed(), "a number from 0 to 23");
    EXPECT_EQ(rule("TQ270", K::GameCallMinute).allowed(), "a number from 0 to 59");
}

TEST(CameraValueRulesTest, RadiosGiveTheirPositions)
{
    const std::map<const char*, int> lastSendTo{{"TQ270", 4},         {"TQ355", 3},        {"RV731Q-40K", 3},
                                                {"NP440LW-16kXS", 2}, {"TQ240 SERIES", 3}, {"TQ480-E", 3}};
    for (const auto& [entry, last] : lastSendTo) {
        const ValueRule sendTo = rule(entry, K::SendTo);
        EXPECT_EQ(sendTo.kind, ValueRule::Kind::Number) << entry;
        EXPECT_EQ(sendTo.min, 0) << entry;
        EXPECT_EQ(sendTo.max, last) << entry;
    }
    EXPECT_EQ(rule("TQ270", K::SendMode).max, 3);
    EXPECT_EQ(rule("TQ350-E", K::SendMode).max, 2) << "counted from Daily Report: Batch is -1, stored empty";
    EXPECT_EQ(rule("NP440LW-16kXS", K::SendMode).max, 3);
}

TEST(CameraValueRulesTest, WorkDayAndTheClockHaveTheirOwnRanges)
{
    const ValueRule workDay = rule("TQ270", K::WorkDay);
    EXPECT_EQ(workDay.problem("300"), "not a whole number from 0 to 127 (a day mask: Sunday 64, Monday 32, "
                                      "Tuesday 16, Wednesday 8, Thursday 4, Friday 2, Saturday 1)");
    EXPECT_EQ(workDay.problem("127"), std::nullopt);
    const ValueRule year = rule("TQ270", K::ClockYear);
    EXPECT_EQ(year.min, 1753);
    EXPECT_EQ(year.max, 9999);
    EXPECT_FALSE(year.unsetAllowed) << "every save stamps or keeps a real clock";
    EXPECT_EQ(rule("TQ270", K::ClockDay).max, 31);
    EXPECT_EQ(rule("TQ270", K::ClockSecond).max, 59);
    EXPECT_TRUE(CameraValueRules::isClockKey(K::ClockSecond));
    EXPECT_FALSE(CameraValueRules::isClockKey(K::WorkDay));
}

TEST(CameraValueRulesTest, AKeyTheDialogHasNoListForTakesTheListThatNamesIt)
{
    // Dialog 143 keeps B-enc's "Picture Type" as read; dialog 204 says what it means.
    const ValueRule pictureType = rule("RV731Q-40K", K::PictureType);
    EXPECT_EQ(pictureType.items, (std::vector<std::string>{"Black&White", "Colour"}));
    EXPECT_EQ(pictureType.problem(""), std::nullopt) << "the defaults leave it unset";
}

TEST(CameraValueRulesTest, TheCameraNameTakesWhatItsFieldTakes)
{
    EXPECT_EQ(CameraValueRules::cameraNameRule(model("TQ330")).maxBytes, 10u);
    EXPECT_EQ(CameraValueRules::cameraNameRule(model("TQ480-E")).maxBytes, 20u);
}

TEST(CameraValueRulesTest, TheClockIsARealDateAndTime)
{
    auto problems = [](const char* entry, std::map<CameraKey, int> values) {
        return CameraValueRules::crossKeyProblems(model(entry), [&](CameraKey key) -> std::optional<int> {
            const auto it = values.find(key);
            return it == values.end() ? std::nullopt : std::optional<int>(it->second);
        });
    };
    const std::map<CameraKey, int> base{{K::ClockYear, 2026}, {K::ClockMonth, 2},  {K::ClockDay, 28},
                                        {K::ClockHour, 10},   {K::ClockMinute, 0}, {K::ClockSecond, 0},
                                        {K::TimeLapse, 0},    {K::PirTrigger, 1}};
    EXPECT_TRUE(problems("TQ270", base).empty());
    auto leap = base;
    leap[K::ClockDay] = 30;
    EXPECT_EQ(
        problems("TQ270", leap),
        std::vector<std::string>{"Clock 2026-02-30 10:00:00: not a real date and time from 1753 to 9999"});
    leap[K::ClockYear] = 2024;
    leap[K::ClockDay] = 29;
    EXPECT_TRUE(problems("TQ270", leap).empty());
    auto month = base;
    month[K::ClockMonth] = 13;
    EXPECT_TRUE(problems("TQ270", month).empty()) << "the month is told as the month";
}

TEST(CameraValueRulesTest, TimeLapseAndPirTriggerAreNotBothOff)
{
    auto both = [](const char* entry, int pir) {
        return CameraValueRules::crossKeyProblems(model(entry), [&](CameraKey key) -> std::optional<int> {
            if (key == K::TimeLapse)
                return 0;
            if (key == K::PirTrigger)
                return pir;
            return std::nullopt;
        });
    };
    EXPECT_EQ(both("TQ270", 3).size(), 1u) << "OFF is the last of Low, Normal, High, OFF";
    EXPECT_TRUE(both("TQ270", 0).empty());
    EXPECT_EQ(both("TQ160-E", 0).size(), 1u) << "TQ160-E's list starts with OFF";
    EXPECT_TRUE(both("TQ240 SERIES", 3).empty()) << "dialog 156 has no such rule";
}

} // namespace
