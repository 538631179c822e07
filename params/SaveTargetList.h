#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The items and selection of the main dialog's save-target drop-down: card
/// paths of the usable drives. Sorted when filled at opening; a refresh
/// appends at the end, as the list control does.
class SaveTargetList
{
public:
    [[nodiscard]] const std::vector<std::string>& items() const { return m_items; }
    [[nodiscard]] int selected() const { return m_selected; }
    [[nodiscard]] bool contains(std::string_view item) const;
    /// True when an item lies on a drive other than C:, the PC's own: only
    /// then can a save reach a memory card.
    [[nodiscard]] bool holdsCard() const;

    void clear();
    /// Sorts the item in (letters compare without regard to case); keeps the
    /// selected item selected.
    void insertSorted(std::string item);
    void append(std::string item);
    /// Removes the item; the selection is cleared when it was the removed one.
    void remove(std::string_view item);
    /// Exact match; false (selection unchanged) when there is no such item.
    bool selectText(std::string_view item);
    void select(int index);
    void selectLast();

private:
    std::vector<std::string> m_items;
    int m_selected = -1;
};
