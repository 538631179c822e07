#pragma once

#include <string>
#include <string_view>

class FileSystem;
class MessageService;

/// Small helpers shared by the file readers, the save flow and the clock
/// rules.
class CUtil
{
public:
    /// Empty when n is 0 or the text is empty; otherwise white space is
    /// removed at both ends and, when n > 0, only the first n bytes are kept,
    /// less any part of a multi-byte character the cut would split (a
    /// negative n keeps the whole text).
    [[nodiscard]] static std::string TrimText(std::string_view text, int n);

    /// Writes the file's attributes back without read-only; nothing happens
    /// when the path does not exist.
    static void ClearReadOnlyAttribute(FileSystem& fs, std::string_view path);

    /// Renames `from` to `to` when `from` exists. Returns false only when an
    /// existing file could not take the new name.
    static bool RenameIfExists(FileSystem& fs, std::string_view from, std::string_view to);

    /// Days of the month; a year below 0 or a month outside 1..12 is a
    /// programming error, reported, and answered with 28.
    static int GetDayForYMonth(MessageService& messages, int year, int month);

    /// The years of a valid clock.
    static constexpr int kFirstClockYear = 1753;
    static constexpr int kLastClockYear = 9999;

    /// Year kFirstClockYear..kLastClockYear, month 1..12, a day of that
    /// month, hour 0..23, minute and second 0..59.
    [[nodiscard]] static bool isValidClock(int year, int month, int day, int hour, int minute, int second);
};
