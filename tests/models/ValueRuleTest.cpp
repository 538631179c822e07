#include "models/ValueRule.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueRuleTest, AListNamesItsItemsWithTheirValues)
{
    const ValueRule pir = ValueRule::itemList({"Low", "Normal", "High", "OFF"});
    EXPECT_EQ(pir.problem("9"), "not one of 0 Low, 1 Normal, 2 High, 3 OFF");
    EXPECT_EQ(pir.problem("-1"), "not one of 0 Low, 1 Normal, 2 High, 3 OFF");
    EXPECT_EQ(pir.problem("High"), "not one of 0 Low, 1 Normal, 2 High, 3 OFF") << "the file holds positions";
    EXPECT_EQ(pir.problem("3"), std::nullopt);
    EXPECT_EQ(pir.problem(" 2 "), std::nullopt) << "a read trims the value";
    EXPECT_EQ(pir.problem(""), std::nullopt) << "nothing chosen is written empty";
    EXPECT_EQ(pir.valueOfItem("high"), 2);
    EXPECT_EQ(pir.valueOfItem(" OFF "), 3);
    EXPECT_EQ(pir.valueOfItem("Max"), std::nullopt);
    EXPECT_EQ(ValueRule::itemList({"  5 Sec", "10  Sec"}).valueOfItem("10 sec"), 1)
        << "blanks as the list pads them";
    EXPECT_EQ(pir.itemOf("1"), "Normal");
    EXPECT_EQ(pir.itemOf("4"), std::nullopt);
}

TEST(ValueRuleTest, AnOffsetCountsTheValuesFromIt)
{
    // "Replay Time": "OFF" is -1, "1" is 0.
    std::vector<std::string> items{"OFF"};
    for (int i = 1; i <= 99; ++i)
        items.push_back(std::to_string(i));
    const ValueRule replay = ValueRule::itemList(items, -1);
    EXPECT_EQ(replay.problem("-1"), std::nullopt);
    EXPECT_EQ(replay.problem("98"), std::nullopt);
    EXPECT_TRUE(replay.problem("99"));
    EXPECT_EQ(replay.itemOf("-1"), "OFF");
    EXPECT_EQ(replay.itemOf("0"), "1");
    EXPECT_EQ(replay.valueOfItem("off"), -1);
    EXPECT_EQ(replay.allowed(), "-1 OFF, 0 1, 1 2, …, 96 97, 97 98, 98 99 (100 items)");
}

TEST(ValueRuleTest, ItemsThatReadAsTheirValuesAreARange)
{
    std::vector<std::string> hours;
    for (int h = 0; h < 24; ++h)
        hours.push_back((h < 10 ? "0" : "") + std::to_string(h));
    EXPECT_EQ(ValueRule::itemList(hours).allowed(), "a number from 0 to 23");
    EXPECT_EQ(ValueRule::itemList(hours).problem("24"), "not a number from 0 to 23");
    EXPECT_TRUE(ValueRule::itemList(hours).itemsAreValues());

    std::vector<std::string> maxNumber;
    for (int n = 0; n < 100; ++n)
        maxNumber.push_back(std::to_string(n));
    maxNumber.emplace_back("Unlimited");
    EXPECT_EQ(ValueRule::itemList(maxNumber).problem("5000"), "not a number from 0 to 99, 100 Unlimited");
    EXPECT_FALSE(ValueRule::itemList(maxNumber).itemsAreValues());
}

TEST(ValueRuleTest, NumbersTextsAndFixedValues)
{
    const ValueRule mask = ValueRule::number(0, 127, "a day mask");
    EXPECT_EQ(mask.problem("300"), "not a whole number from 0 to 127 (a day mask)");
    EXPECT_EQ(mask.problem("12a"), "not a whole number from 0 to 127 (a day mask)");
    EXPECT_EQ(mask.problem("127"), std::nullopt);

    ValueRule year = ValueRule::number(1753, 9999);
    year.unsetAllowed = false;
    EXPECT_EQ(year.problem(""), "empty, where the file needs a whole number from 1753 to 9999");

    ValueRule phone = ValueRule::text(5);
    phone.forbidden = "-\n";
    EXPECT_EQ(phone.problem("123456"), "longer than 5 bytes (6)");
    EXPECT_EQ(phone.problem("1-2"), "holds '-', which the dialog takes out");
    EXPECT_EQ(phone.problem("1\n2"), "holds a line break, which the dialog takes out");
    EXPECT_EQ(phone.problem("12345"), std::nullopt);
    EXPECT_EQ(ValueRule::text(4).problem("\xC3\xA4\xC3\xA4\xC3\xA4"), "longer than 4 bytes (6)")
        << "bytes, not letters";

    ValueRule even = ValueRule::text(10, "an even count");
    even.form = [](std::string_view text) { return text.size() % 2 == 0; };
    EXPECT_EQ(even.problem("abc"), "not an even count");

    const ValueRule mark = ValueRule::fixedText("TQ270");
    EXPECT_EQ(mark.problem(" TQ270 "), std::nullopt);
    EXPECT_EQ(mark.problem("TQ355"), "not \"TQ270\"");
    EXPECT_EQ(mark.problem(""), "not \"TQ270\"");
}

} // namespace
