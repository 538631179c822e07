#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What one key of a parameter file may hold: the values the tool's dialogs
/// can store there. A front end that writes or checks a file without the
/// dialogs applies these rules, so it stores nothing the dialogs could not.
struct ValueRule
{
    enum class Kind
    {
        Items,  // a position of a drop list: the stored value is position + offset
        Number, // a whole number from `min` to `max`
        Text,   // text of at most `maxBytes` bytes
        Fixed,  // exactly `fixed`
    };

    Kind kind = Kind::Text;
    /// Items: the list as the model's dialog shows it.
    std::vector<std::string> items;
    int offset = 0;
    /// Number.
    int min = 0;
    int max = 0;
    /// Text: the bytes the stored text may have, at most.
    std::size_t maxBytes = 0;
    /// Text: bytes a stored text never holds (the dialog takes them out).
    std::string forbidden;
    /// Text: the form the whole text must have, when it has one.
    std::function<bool(std::string_view)> form;
    /// Fixed.
    std::string fixed;
    /// Words for what a value means ("a day mask: Sunday 64 … Saturday 1"),
    /// shown with the allowed values.
    std::string meaning;
    /// An empty value: nothing chosen or typed, as the dialogs write it.
    bool unsetAllowed = true;

    [[nodiscard]] static ValueRule itemList(std::vector<std::string> items, int offset = 0);
    [[nodiscard]] static ValueRule number(int min, int max, std::string meaning = {});
    [[nodiscard]] static ValueRule text(std::size_t maxBytes, std::string meaning = {});
    [[nodiscard]] static ValueRule fixedText(std::string value);

    /// Nothing when the stored text is allowed; otherwise why it is not,
    /// naming the allowed values ("not one of 0 Low, 1 Normal, 2 High, 3 OFF").
    [[nodiscard]] std::optional<std::string> problem(std::string_view value) const;
    /// The allowed values in words: "0 Low, 1 Normal, 2 High, 3 OFF", "a
    /// whole number from 0 to 127", "text of at most 50 bytes".
    [[nodiscard]] std::string allowed() const;
    /// The stored value of the item with this label, compared as the text
    /// the list shows regardless of case and of the number of blanks.
    [[nodiscard]] std::optional<int> valueOfItem(std::string_view label) const;
    /// The item a stored value selects; nothing for a value that selects none.
    [[nodiscard]] std::optional<std::string> itemOf(std::string_view value) const;
    /// Items that read as their own stored values ("00" … "23").
    [[nodiscard]] bool itemsAreValues() const;
    /// The whole number a stored text is; nothing for other text.
    [[nodiscard]] static std::optional<int> wholeNumber(std::string_view text);
};
