#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

/// One row of the operator data file: where the operator stands in the
/// lists and the nine values its preset carries (MMS URL to GPRS password).
struct OperatorPresetEntry
{
    int countrySlot; // from 1
    std::string_view country;
    int operatorSlot; // from 1 within the country
    std::string_view operatorName;
    std::array<std::string_view, 9> values;
};

/// Generated at build time from network/data/operator-presets.tsv.
extern const OperatorPresetEntry kOperatorPresetEntries[];
extern const std::size_t kOperatorPresetEntryCount;
