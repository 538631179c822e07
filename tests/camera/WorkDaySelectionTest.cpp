#include "camera/WorkDaySelection.h"
#include "platform/MessageService.h"

#include <gtest/gtest.h>

namespace {

using Check = WorkDaySelection::Check;

TEST(WorkDaySelection, LoadShowsTheMaskAndSelectAllFollowsTheDays)
{
    struct Case
    {
        int mask;
        Check selectAll;
        int stored;
    } const cases[] = {{127, Check::Checked, 127},
                       {0, Check::Unchecked, 0},
                       {-1, Check::Unchecked, 0},
                       {64 + 1, Check::Indeterminate, 65},
                       {255, Check::Checked, 127}};
    for (const Case& c : cases) {
        const WorkDaySelection days(c.mask);
        EXPECT_EQ(days.selectAll(), c.selectAll) << c.mask;
        EXPECT_EQ(days.mask(), c.stored) << c.mask;
    }
    const WorkDaySelection mondayOnly(32);
    EXPECT_EQ(mondayOnly.day(1), Check::Checked);
    EXPECT_EQ(mondayOnly.day(0), Check::Unchecked);
}

TEST(WorkDaySelection, SelectAllChecksEverythingThenClearsEverything)
{
    WorkDaySelection days(64 + 16 + 1);
    days.clickSelectAll();
    EXPECT_EQ(days.mask(), 127);
    EXPECT_EQ(days.selectAll(), Check::Checked);
    days.clickSelectAll();
    EXPECT_EQ(days.mask(), 0);
    EXPECT_EQ(days.selectAll(), Check::Unchecked);
}

TEST(WorkDaySelection, DayClicksToggleAndAStrayStateIsReported)
{
    RecordingMessageService messages;
    WorkDaySelection days(0);
    days.clickDay(6, messages);
    EXPECT_EQ(days.mask(), 1);
    days.clickDay(6, messages);
    EXPECT_EQ(days.mask(), 0);
    EXPECT_TRUE(messages.shown().empty());

    days.setDay(2, Check::Indeterminate);
    days.clickDay(2, messages);
    EXPECT_EQ(days.day(2), Check::Unchecked);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Error status in control \"WorkDay\" !");
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown()[0].title, MessageTitle::Tips);
}

} // namespace
