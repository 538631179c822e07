#include "params/SaveTargetList.h"

#include "platform/Text.h"

#include <algorithm>

bool SaveTargetList::contains(std::string_view item) const
{
    return std::find(m_items.begin(), m_items.end(), item) != m_items.end();
}

bool SaveTargetList::holdsCard() const
{
    return std::any_of(m_items.begin(), m_items.end(), [](const std::string& item) {
        return !item.empty() && item.front() != 'C' && item.front() != 'c';
    });
}

void SaveTargetList::clear()
{
    m_items.clear();
    m_selected = -1;
}

void SaveTargetList::insertSorted(std::string item)
{
    const auto at = std::upper_bound(m_items.begin(), m_items.end(), item,
                                     [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    const int index = static_cast<int>(at - m_items.begin());
    m_items.insert(at, std::move(item));
    if (m_selected >= index)
        ++m_selected;
}

void SaveTargetList::append(std::string item)
{
    m_items.push_back(std::move(item));
}

void SaveTargetList::remove(std::string_view item)
{
    const auto at = std::find(m_items.begin(), m_items.end(), item);
    if (at == m_items.end())
        return;
    const int index = static_cast<int>(at - m_items.begin());
    m_items.erase(at);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
}

bool SaveTargetList::selectText(std::string_view item)
{
    const auto at = std::find(m_items.begin(), m_items.end(), item);
    if (at == m_items.end())
        return false;
    m_selected = static_cast<int>(at - m_items.begin());
    return true;
}

void SaveTargetList::select(int index)
{
    m_selected = (index >= 0 && index < static_cast<int>(m_items.size())) ? index : -1;
}

void SaveTargetList::selectLast()
{
    m_selected = static_cast<int>(m_items.size()) - 1;
}
