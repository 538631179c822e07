#include "platform/CUtil.h"
#include "platform/MessageService.h"

#include <gtest/gtest.h>

namespace {

TEST(CUtilTrimText, CutsAfterTrimming)
{
    struct Case
    {
        const char* text;
        int n;
        const char* expected;
    } const cases[] = {
        {"  abc  ", 0, ""},       {"", 5, ""},          {" \t abc \r\n", -1, "abc"},
        {"  abcdef ", 3, "abc"},  {"abc", 10, "abc"},   {"   ", 4, ""},
        {" a b c ", 4, "a b "},   {"123456789012", 10, "1234567890"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUtil::TrimText(c.text, c.n), c.expected) << '"' << c.text << "\" n=" << c.n;
}

TEST(CUtilDates, MonthLengthsAndMisuse)
{
    RecordingMessageService messages;
    struct Case
    {
        int year, month, days;
    } const cases[] = {{2023, 1, 31}, {2023, 4, 30}, {2000, 2, 29}, {1900, 2, 28},
                       {2024, 2, 29}, {2023, 2, 28}, {0, 2, 29},    {2023, 12, 31}};
    for (const Case& c : cases)
        EXPECT_EQ(CUtil::GetDayForYMonth(messages, c.year, c.month), c.days) << c.year << "-" << c.month;
    EXPECT_TRUE(messages.shown().empty());

    for (auto [year, month] : {std::pair{-1, 5}, std::pair{2023, 0}, std::pair{2023, 13}}) {
        messages.clear();
        EXPECT_EQ(CUtil::GetDayForYMonth(messages, year, month), 28);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, "Invalid call for CUtil::GetDayForYMonth() !");
        EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
        EXPECT_EQ(messages.shown()[0].title, MessageTitle::Tips);
    }
}

TEST(CUtilDates, ValidClock)
{
    struct Case
    {
        int y, mo, d, h, mi, s;
        bool valid;
    } const cases[] = {
        {1752, 12, 31, 0, 0, 0, false}, {1753, 1, 1, 0, 0, 0, true},   {9999, 12, 31, 23, 59, 59, true},
        {10000, 1, 1, 0, 0, 0, false},  {2000, 2, 29, 12, 0, 0, true},  {1900, 2, 29, 12, 0, 0, false},
        {2023, 2, 29, 0, 0, 0, false},  {2024, 2, 29, 0, 0, 0, true},   {2023, 4, 31, 0, 0, 0, false},
        {2023, 0, 1, 0, 0, 0, false},   {2023, 13, 1, 0, 0, 0, false},  {2023, 1, 0, 0, 0, 0, false},
        {2023, 1, 1, 24, 0, 0, false},  {2023, 1, 1, 0, 60, 0, false},  {2023, 1, 1, 0, 0, 60, false},
        {-1, -1, -1, -1, -1, -1, false}, {2023, 6, 15, -1, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUtil::isValidClock(c.y, c.mo, c.d, c.h, c.mi, c.s), c.valid)
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s;
}

} // namespace
