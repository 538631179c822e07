#include "network/OperatorSelection.h"

#include "network/OperatorDatabase.h"
#include "platform/MessageService.h"
#include "platform/Text.h"

#include <algorithm>

namespace {

/// Adds the names as a sorted list control does (case-insensitive), then
/// "Others......" unsorted at the end.
void fillSorted(OperatorSelection::List& list, const std::vector<std::string_view>& names)
{
    list.items.assign(names.begin(), names.end());
    std::stable_sort(list.items.begin(), list.items.end(),
                     [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    list.items.emplace_back(OperatorSelection::kOthers);
    list.selected = -1;
}

} // namespace

std::string OperatorSelection::List::textAt(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= items.size())
        return {};
    return items[static_cast<std::size_t>(row)];
}

OperatorSelection::OperatorSelection(NetworkParameters& current, const NetworkParameters& loadedCopy,
                                     MessageService& messages, std::string className, Variant variant)
    : m_current(current), m_loadedCopy(loadedCopy), m_messages(messages), m_className(std::move(className)),
      m_variant(variant)
{
}

int OperatorSelection::Mng_OperatorSelection(int mode)
{
    switch (mode) {
    case kFill:
        m_operators = {};
        fillSorted(m_countries, OperatorDatabase::instance().countryNames());
        m_keepSmtpSecurity = false;
        m_savedSmtpSecurity = "0";
        m_countryIndex = -1;
        m_operatorIndex = -1;
        return 1;
    case kCountryChanged:
        countryChanged();
        return 1;
    case kOperatorChanged:
        operatorChanged();
        return 1;
    case kApply:
        apply();
        return 1;
    default:
        m_messages.error("Invalid call for " + m_className + "::Mng_OperatorSelection() !");
        return 0;
    }
}

void OperatorSelection::countrySelectionChanged(int row)
{
    m_countries.selected = row;
    if (m_countries.selectedText().empty())
        return;
    Mng_OperatorSelection(kCountryChanged);
    Mng_OperatorSelection(kApply);
}

void OperatorSelection::operatorSelectionChanged(int row)
{
    m_operators.selected = row;
    if (m_operators.selectedText().empty())
        return;
    Mng_OperatorSelection(kOperatorChanged);
    Mng_OperatorSelection(kApply);
}

void OperatorSelection::countryChanged()
{
    const std::string text = m_countries.selectedText();
    if (text.empty())
        return;

    if (text == kOthers) {
        m_operators = {};
        if (runUserDefinedDialog()) {
            clearSelection();
            m_keepSmtpSecurity = false;
            return;
        }
        if (m_countryIndex != -1) {
            m_countries.selected = m_countryIndex;
            fillOperators(OperatorDatabase::instance().findCountry(m_countries.textAt(m_countryIndex)));
            m_operators.selected = m_operatorIndex;
        } else {
            m_countries.selected = -1;
        }
        m_keepSmtpSecurity = true;
        return;
    }

    const int slot = OperatorDatabase::instance().findCountry(text);
    if (slot < 0)
        return;
    m_countryIndex = m_countries.selected;
    fillOperators(slot);
    if (m_variant == Variant::Plain && !m_operators.items.empty())
        m_operators.selected = 0;
    m_operatorIndex = m_operators.selected;
}

void OperatorSelection::operatorChanged()
{
    const std::string text = m_operators.selectedText();
    if (text != kOthers) {
        m_operatorIndex = m_operators.selected;
        return;
    }
    if (runUserDefinedDialog()) {
        m_keepSmtpSecurity = false;
        clearSelection();
        return;
    }
    if (m_countryIndex != -1) {
        const int rememberedOperator = m_operatorIndex;
        m_countries.selected = m_countryIndex;
        countryChanged();
        const bool valid = rememberedOperator >= 0 &&
                           static_cast<std::size_t>(rememberedOperator) < m_operators.items.size();
        m_operatorIndex = valid ? rememberedOperator : -1;
        m_operators.selected = m_operatorIndex;
    }
    m_keepSmtpSecurity = true;
}

void OperatorSelection::apply()
{
    m_savedSmtpSecurity = m_current.smtpSecurity;
    const std::string country = m_countries.textAt(m_countryIndex);
    const std::string operatorName = m_operators.textAt(m_operatorIndex);
    if (country.empty() || operatorName.empty())
        return;
    const OperatorDatabase& database = OperatorDatabase::instance();
    const int slot = database.findCountry(country);
    if (slot < 0)
        return;
    if (const OperatorDatabase::Preset* preset = database.findPreset(slot, operatorName))
        std::copy(preset->begin(), preset->end(), m_current.fields.begin());
    if (m_keepSmtpSecurity) {
        m_current.smtpSecurity = m_savedSmtpSecurity;
    } else {
        m_current.smtpSecurity = "0";
        m_savedSmtpSecurity = "0";
    }
    m_keepSmtpSecurity = false;
}

void OperatorSelection::fillOperators(int countrySlot)
{
    fillSorted(m_operators, OperatorDatabase::instance().operatorNames(countrySlot));
}

void OperatorSelection::clearSelection()
{
    m_countries.selected = -1;
    m_operators = {};
    m_countryIndex = -1;
    m_operatorIndex = -1;
}

bool OperatorSelection::runUserDefinedDialog()
{
    if (m_variant == Variant::Encrypted) {
        for (std::size_t field = NetworkParameters::MmsUrl; field <= NetworkParameters::MmsPassword; ++field)
            m_current.fields[field] = m_loadedCopy.fields[field];
    }
    return m_userDefined && m_userDefined();
}

bool OperatorSelection::changeWatch() const
{
    const std::string country = m_countries.selectedText();
    const std::string operatorName = m_operators.selectedText();
    return !country.empty() && !operatorName.empty() && country != kOthers && operatorName != kOthers;
}

void OperatorSelection::forgetPreset()
{
    clearSelection();
}
