#include "network/OperatorDatabase.h"

#include "network/OperatorPresetData.h"

#include <algorithm>
#include <cassert>

const OperatorDatabase& OperatorDatabase::instance()
{
    static const OperatorDatabase database;
    return database;
}

OperatorDatabase::OperatorDatabase()
{
    // The generator has checked the slot order; this only places the rows.
    for (std::size_t i = 0; i < kOperatorPresetEntryCount; ++i) {
        const OperatorPresetEntry& entry = kOperatorPresetEntries[i];
        assert(entry.countrySlot >= 1 && static_cast<std::size_t>(entry.countrySlot) <= kCountrySlots);
        assert(entry.operatorSlot >= 1 && static_cast<std::size_t>(entry.operatorSlot) <= kOperatorSlots);
        const auto row = static_cast<std::size_t>(entry.countrySlot - 1);
        const auto slot = static_cast<std::size_t>(entry.operatorSlot - 1);
        m_countries[row] = entry.country;
        m_operators[row][slot] = entry.operatorName;
        std::copy(entry.values.begin(), entry.values.end(), m_presets[row][slot].begin());
    }
}

std::vector<std::string_view> OperatorDatabase::countryNames() const
{
    std::vector<std::string_view> names;
    for (std::string_view name : m_countries) {
        if (name.empty())
            break;
        names.push_back(name);
    }
    return names;
}

int OperatorDatabase::findCountry(std::string_view country) const
{
    for (std::size_t row = 0; row < kCountrySlots && !m_countries[row].empty(); ++row) {
        if (m_countries[row] == country)
            return static_cast<int>(row);
    }
    return -1;
}

std::vector<std::string_view> OperatorDatabase::operatorNames(int countrySlot) const
{
    std::vector<std::string_view> names;
    if (countrySlot < 0 || static_cast<std::size_t>(countrySlot) >= kCountrySlots)
        return names;
    for (std::string_view name : m_operators[static_cast<std::size_t>(countrySlot)]) {
        if (name.empty())
            break;
        names.push_back(name);
    }
    return names;
}

const OperatorDatabase::Preset* OperatorDatabase::findPreset(int countrySlot,
                                                             std::string_view operatorName) const
{
    if (countrySlot < 0 || static_cast<std::size_t>(countrySlot) >= kCountrySlots)
        return nullptr;
    const auto row = static_cast<std::size_t>(countrySlot);
    for (std::size_t slot = 0; slot < kOperatorSlots && !m_operators[row][slot].empty(); ++slot) {
        if (m_operators[row][slot] == operatorName)
            return &m_presets[row][slot];
    }
    return nullptr;
}
