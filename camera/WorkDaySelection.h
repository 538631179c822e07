#pragma once

#include <array>

class MessageService;

/// The Work Day group of the camera dialogs: seven day boxes, Sunday first,
/// and a three-state "Select All" box, over the 7-bit day mask.
class WorkDaySelection
{
public:
    enum class Check
    {
        Unchecked,
        Checked,
        Indeterminate
    };

    static constexpr int kDays = 7;
    static constexpr int kEveryDay = 127;
    /// Sunday 64 down to Saturday 1.
    static constexpr std::array<int, kDays> kDayBits{64, 32, 16, 8, 4, 2, 1};

    /// A negative mask shows no day.
    explicit WorkDaySelection(int mask);

    [[nodiscard]] Check day(int index) const { return m_days[index]; }
    [[nodiscard]] Check selectAll() const;
    [[nodiscard]] int mask() const;

    /// Lets a dialog mirror a box whose state it got from elsewhere.
    void setDay(int index, Check state) { m_days[index] = state; }

    /// Toggles a day; a box in neither state is unchecked and reported.
    void clickDay(int index, MessageService& messages);
    /// From checked: every day off. Otherwise: every day on.
    void clickSelectAll();

private:
    std::array<Check, kDays> m_days{};
};
