#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// One private-profile (INI) file held as its lines, with the read and write
/// rules of the Windows private-profile functions: cameras parse what those
/// functions produce, so a write here yields the same bytes.
///
/// Sections and keys are indexed once when the text is parsed and the index
/// follows every write, so reading or writing a key costs the same in a
/// 1 KB file and in a card file padded with a hundred thousand junk lines.
class IniDocument
{
public:
    IniDocument() = default;
    /// Lines end in CR LF, LF or a lone CR (an old editor's format).
    explicit IniDocument(std::string_view bytes);

    /// Reads a key into a buffer of `bufferSize` bytes: at most
    /// bufferSize - 1 bytes arrive, never half of a multi-byte character.
    /// A missing section or key gives the default without its trailing
    /// blanks.
    [[nodiscard]] std::string read(std::string_view section, std::string_view key, std::string_view defaultValue,
                                   std::size_t bufferSize) const;

    /// Writes one key: in place when it exists (keeping the file's spelling),
    /// after the last non-blank line of its section when it is new, in a new
    /// section at the end when the section is new. Writing the stored value
    /// again changes nothing. A section, key or value holding CR, LF or NUL
    /// would put lines of its own into the file: it is refused (false) and
    /// nothing changes.
    [[nodiscard]] bool write(std::string_view section, std::string_view key, std::string_view value);

    /// The form for a value whose blanks at either end are part of it (a
    /// password): written exactly as given after "=", read back with
    /// nothing trimmed and no quotes removed. A missing key reads as empty.
    [[nodiscard]] bool writeVerbatim(std::string_view section, std::string_view key, std::string_view value);
    [[nodiscard]] std::string readVerbatim(std::string_view section, std::string_view key,
                                           std::size_t bufferSize) const;

    [[nodiscard]] bool hasSection(std::string_view section) const;

    /// Every key line in file order with its section (the first section of
    /// a name only, as reads see it) and its value as read returns it.
    void forEachKey(const std::function<void(std::string_view section, std::string_view key,
                                             std::string_view value)>& visit) const;
    [[nodiscard]] std::string bytes() const;

private:
    /// Texts point into the document's storage: the bytes it was parsed from
    /// and the lines written since, neither of which moves or changes.
    struct Line
    {
        std::string_view text;
        std::string_view end; // "\r\n", "\n", "\r", or empty on a last line without a break
    };

    /// ASCII case folded, for names in the indexes.
    struct FoldedHash
    {
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual
    {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using NameIndex = std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual>;

    struct Storage
    {
        std::string source;
        std::deque<std::string> written;
    };

    /// The lines from one header up to the next; the first block holds the
    /// lines before any header and has no name.
    struct Block
    {
        std::vector<Line> lines;
        /// Index in `lines` of the last line that is not blank (the header's
        /// when there is none): new keys go after it.
        std::size_t lastNonBlank = 0;
        /// Trimmed key name -> index in `lines` of its first occurrence.
        NameIndex keys;
    };

    std::string_view store(std::string text);
    void startBlock(Line header);
    void addLine(Line line);
    [[nodiscard]] const Block* findBlock(std::string_view section) const;
    [[nodiscard]] Block* findBlock(std::string_view section);
    void terminateLastLine();
    bool writeLine(std::string_view section, std::string_view key, std::string_view value, bool verbatim);

    // Shared by copies: both only ever add to it.
    std::shared_ptr<Storage> m_storage = std::make_shared<Storage>();
    std::vector<Block> m_blocks;
    /// Trimmed section name -> index of its first block.
    NameIndex m_sections;
};
