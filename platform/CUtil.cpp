#include "platform/CUtil.h"

#include "platform/FileSystem.h"
#include "platform/MessageService.h"
#include "platform/Text.h"

namespace {

// Gregorian month length; callers have checked year >= 0 and month 1..12.
int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}
} // namespace

std::string CUtil::TrimText(std::string_view text, int n)
{
    if (n == 0 || text.empty())
        return {};
    text = trimmed(text);
    if (n > 0)
        text = leadingBytes(text, static_cast<std::size_t>(n));
    return std::string(text);
}

void CUtil::ClearReadOnlyAttribute(FileSystem& fs, std::string_view path)
{
    if (const auto attrs = fs.attributes(path))
        fs.setAttributes(path, *attrs & ~FileAttribute::ReadOnly);
}

bool CUtil::RenameIfExists(FileSystem& fs, std::string_view from, std::string_view to)
{
    if (!fs.exists(from))
        return true;
    return fs.rename(from, to);
}

int CUtil::GetDayForYMonth(MessageService& messages, int year, int month)
{
    if (year < 0 || month < 1 || month > 12) {
        messages.warning("Invalid call for CUtil::GetDayForYMonth() !");
        return 28;
    }
    return daysInMonth(year, month);
}

bool CUtil::isValidClock(int year, int month, int day, int hour, int minute, int second)
{
    if (year < kFirstClockYear || year > kLastClockYear || month < 1 || month > 12)
        return false;
    return day >= 1 && day <= daysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 &&
           minute <= 59 && second >= 0 && second <= 59;
}
