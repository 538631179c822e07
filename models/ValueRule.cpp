#include "models/ValueRule.h"

#include "platform/Text.h"

#include <charconv>

namespace {

// Longer lists are named by their first and last items in a problem.
constexpr std::size_t kItemsNamedWhole = 12;
constexpr std::size_t kItemsNamedAtEachEnd = 3;
constexpr std::size_t kNumberedAsRange = 3;

std::string itemText(const ValueRule& rule, std::size_t position)
{
    return std::to_string(static_cast<int>(position) + rule.offset) + " " +
           std::string(trimmed(rule.items[position]));
}

/// How many items from the first read as their own values ("0" … "99"),
/// when enough do to name them as a range; else 0.
std::size_t numberedItems(const ValueRule& rule)
{
    std::size_t n = 0;
    while (n < rule.items.size() &&
           ValueRule::wholeNumber(rule.items[n]) == static_cast<int>(n) + rule.offset)
        ++n;
    return n >= kNumberedAsRange ? n : 0;
}

/// The text without blanks at the ends and with each run of blanks inside
/// as one, its letters in lower case: "  10  Sec" and "10 sec" are one item.
std::string labelKey(std::string_view text)
{
    std::string key;
    for (const char c : trimmed(text)) {
        if (isBlank(c) && !key.empty() && key.back() == ' ')
            continue;
        key += isBlank(c) ? ' ' : c;
    }
    return foldedCase(key);
}

std::string withMeaning(std::string text, const std::string& meaning)
{
    return meaning.empty() ? text : text + " (" + meaning + ")";
}

} // namespace

ValueRule ValueRule::itemList(std::vector<std::string> items, int offset)
{
    ValueRule rule;
    rule.kind = Kind::Items;
    rule.items = std::move(items);
    rule.offset = offset;
    return rule;
}

ValueRule ValueRule::number(int min, int max, std::string meaning)
{
    ValueRule rule;
    rule.kind = Kind::Number;
    rule.min = min;
    rule.max = max;
    rule.meaning = std::move(meaning);
    return rule;
}

ValueRule ValueRule::text(std::size_t maxBytes, std::string meaning)
{
    ValueRule rule;
    rule.kind = Kind::Text;
    rule.maxBytes = maxBytes;
    rule.meaning = std::move(meaning);
    return rule;
}

ValueRule ValueRule::fixedText(std::string value)
{
    ValueRule rule;
    rule.kind = Kind::Fixed;
    rule.fixed = std::move(value);
    rule.unsetAllowed = false;
    return rule;
}

std::optional<int> ValueRule::wholeNumber(std::string_view text)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string ValueRule::allowed() const
{
    switch (kind) {
    case Kind::Items: {
        const std::size_t numbered = numberedItems(*this);
        std::string text;
        if (numbered > 0)
            text = "a number from " + std::to_string(offset) + " to " +
                   std::to_string(static_cast<int>(numbered) - 1 + offset);
        const bool whole = items.size() - numbered <= kItemsNamedWhole;
        for (std::size_t i = numbered; i < items.size(); ++i) {
            if (!whole && i == numbered + kItemsNamedAtEachEnd) {
                text += ", …";
                i = items.size() - kItemsNamedAtEachEnd;
            }
            text += (i ? ", " : "") + itemText(*this, i);
        }
        return whole ? text : text + " (" + std::to_string(items.size()) + " items)";
    }
    case Kind::Number:
        return withMeaning("a whole number from " + std::to_string(min) + " to " + std::to_string(max),
                           meaning);
    case Kind::Text:
        return withMeaning("text of at most " + std::to_string(maxBytes) + " bytes", meaning);
    case Kind::Fixed:
        break;
    }
    return "\"" + fixed + "\"";
}

std::optional<std::string> ValueRule::problem(std::string_view value) const
{
    if (kind == Kind::Fixed)
        return trimmed(value) == fixed ? std::nullopt : std::optional<std::string>("not " + allowed());
    if (trimmed(value).empty()) {
        if (unsetAllowed)
            return std::nullopt;
        return "empty, where the file needs " + allowed();
    }
    if (kind == Kind::Text) {
        if (value.size() > maxBytes)
            return "longer than " + std::to_string(maxBytes) + " bytes (" + std::to_string(value.size()) +
                   ")";
        for (const char c : forbidden) {
            if (value.find(c) == std::string_view::npos)
                continue;
            const std::string what = c == '\r' || c == '\n' ? "a line break" : std::string("'") + c + "'";
            return "holds " + what + ", which the dialog takes out" + withMeaning("", meaning);
        }
        if (form && !form(value))
            return "not " + (meaning.empty() ? std::string("in the form the dialog stores") : meaning);
        return std::nullopt;
    }
    const auto number = wholeNumber(value);
    if (kind == Kind::Items) {
        const int position = number ? *number - offset : -1;
        if (position < 0 || position >= static_cast<int>(items.size()))
            return (numberedItems(*this) > 0 ? "not " : "not one of ") + allowed();
        return std::nullopt;
    }
    if (!number || *number < min || *number > max)
        return "not " + allowed();
    return std::nullopt;
}

bool ValueRule::itemsAreValues() const
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (wholeNumber(items[i]) != static_cast<int>(i) + offset)
            return false;
    }
    return kind == Kind::Items && !items.empty();
}

std::optional<int> ValueRule::valueOfItem(std::string_view label) const
{
    if (kind != Kind::Items)
        return std::nullopt;
    const std::string wanted = labelKey(label);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (labelKey(items[i]) == wanted)
            return static_cast<int>(i) + offset;
    }
    return std::nullopt;
}

std::optional<std::string> ValueRule::itemOf(std::string_view value) const
{
    const auto number = wholeNumber(value);
    if (kind != Kind::Items || !number)
        return std::nullopt;
    const int position = *number - offset;
    if (position < 0 || position >= static_cast<int>(items.size()))
        return std::nullopt;
    return std::string(trimmed(items[static_cast<std::size_t>(position)]));
}
