#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One private-profile (INI) file held as its lines, with the read and write
/// rules of the Windows private-profile functions: cameras parse what those
/// functions produce, so a write here yields the same bytes.
class IniDocument
{
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes);

    /// Reads a key into a buffer of `bufferSize` bytes: at most
    /// bufferSize - 1 characters arrive. A missing section or key gives the
    /// default without its trailing blanks.
    [[nodiscard]] std::string read(std::string_view section, std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize) const;

    /// Writes one key: in place when it exists (keeping the file's spelling),
    /// after the last non-blank line of its section when it is new, in a new
    /// section at the end when the section is new. Writing the stored value
    /// again changes nothing.
    void write(std::string_view section, std::string_view key, std::string_view value);

    [[nodiscard]] bool hasSection(std::string_view section) const;
    [[nodiscard]] std::string bytes() const;

private:
    struct Line
    {
        std::string text;
        std::string end; // "\r\n", "\n", or empty on a last line without a break
    };

    [[nodiscard]] std::optional<std::size_t> findSection(std::string_view section) const;
    [[nodiscard]] std::size_t sectionEnd(std::size_t header) const;
    [[nodiscard]] std::optional<std::size_t> findKey(std::size_t header, std::string_view key) const;
    void terminateLastLine();

    std::vector<Line> m_lines;
};
