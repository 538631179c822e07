#include "camera/WorkDaySelection.h"

#include "platform/MessageService.h"

#include <algorithm>

WorkDaySelection::WorkDaySelection(int mask)
{
    for (int i = 0; i < kDays; ++i)
        m_days[i] = mask >= 0 && (mask & kDayBits[i]) ? Check::Checked : Check::Unchecked;
}

WorkDaySelection::Check WorkDaySelection::selectAll() const
{
    const auto checked = std::count(m_days.begin(), m_days.end(), Check::Checked);
    if (checked == 0)
        return Check::Unchecked;
    return checked == kDays ? Check::Checked : Check::Indeterminate;
}

int WorkDaySelection::mask() const
{
    int mask = 0;
    for (int i = 0; i < kDays; ++i) {
        if (m_days[i] == Check::Checked)
            mask += kDayBits[i];
    }
    return mask;
}

void WorkDaySelection::clickDay(int index, MessageService& messages)
{
    switch (m_days[index]) {
    case Check::Unchecked:
        m_days[index] = Check::Checked;
        break;
    case Check::Checked:
        m_days[index] = Check::Unchecked;
        break;
    case Check::Indeterminate:
        m_days[index] = Check::Unchecked;
        messages.warning("Error status in control \"WorkDay\" !");
        break;
    }
}

void WorkDaySelection::clickSelectAll()
{
    const Check next = selectAll() == Check::Checked ? Check::Unchecked : Check::Checked;
    m_days.fill(next);
}
