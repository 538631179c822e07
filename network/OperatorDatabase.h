#pragma once

#include "context/NetworkParameters.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

/// The built-in operator database: country names, operator names per
/// country and one preset of network settings per operator. Fixed-size
/// tables in which an empty slot ends a row; built once, never changed.
class OperatorDatabase
{
public:
    static constexpr std::size_t kCountrySlots = 50;
    static constexpr std::size_t kOperatorSlots = 5;

    /// The 13 texts of fields 0..12 of NetworkParameters; the sending-mail
    /// fields are always empty.
    using Preset = std::array<std::string_view, NetworkParameters::FieldCount>;
    using CountryTable = std::array<std::string_view, kCountrySlots>;
    using OperatorNameTable = std::array<std::array<std::string_view, kOperatorSlots>, kCountrySlots>;
    using OperatorPresetTable = std::array<std::array<Preset, kOperatorSlots>, kCountrySlots>;

    [[nodiscard]] static const OperatorDatabase& instance();

    [[nodiscard]] const CountryTable& countryTable() const { return m_countries; }
    [[nodiscard]] const OperatorNameTable& operatorNameTable() const { return m_operators; }
    [[nodiscard]] const OperatorPresetTable& operatorPresetTable() const { return m_presets; }

    /// Country names from the first slot up to the first empty one.
    [[nodiscard]] std::vector<std::string_view> countryNames() const;
    /// Slot (from 0) of the country with exactly that name, or -1.
    [[nodiscard]] int findCountry(std::string_view country) const;
    /// The operator names of a country slot, up to the first empty slot.
    [[nodiscard]] std::vector<std::string_view> operatorNames(int countrySlot) const;
    /// The preset of the operator with exactly that name within the
    /// country's row, or nullptr.
    [[nodiscard]] const Preset* findPreset(int countrySlot, std::string_view operatorName) const;

private:
    OperatorDatabase();

    CountryTable m_countries{};
    OperatorNameTable m_operators{};
    OperatorPresetTable m_presets{};
};
