#include "platform/IniDocument.h"

#include "platform/Text.h"

#include <cstdint>
#include <utility>

namespace {

constexpr std::string_view kCrLf = "\r\n";

unsigned char foldedByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

std::optional<std::string_view> headerName(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const size_t close = line.find(']');
    return trimmed(close == std::string_view::npos ? line : line.substr(0, close));
}

// A name is the trimmed text before the first '='; a line without one is no key.
std::optional<std::string_view> keyName(std::string_view line)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(0, eq));
}

std::string_view stripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The private-profile functions hand over a C string: a value ends at a NUL
// byte, so none reaches the records (where a later write would refuse it).
std::string_view untilNul(std::string_view value)
{
    return value.substr(0, value.find('\0'));
}

bool breaksLines(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// find_first_of looks each byte up in the set; a card file of junk lines
// makes that the cost of the whole parse.
std::size_t lineBreak(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return std::string_view::npos;
}

// The stored line ends are views of these, so they never dangle.
std::string_view lineEnd(std::string_view end)
{
    static constexpr std::string_view kEnds[] = {"\r\n", "\n", "\r"};
    for (std::string_view known : kEnds)
        if (end == known)
            return known;
    return {};
}

} // namespace

// Names compare without regard to ASCII case; inner blanks must match.
std::size_t IniDocument::FoldedHash::operator()(std::string_view name) const
{
    // FNV-1a over 64 bits, cut to the platform's size_t (32 bits in WebAssembly).
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ foldedByte(c)) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const
{
    return equalIgnoringCase(a, b);
}

IniDocument::IniDocument(std::string_view bytes)
{
    m_storage->source.assign(bytes);
    std::string_view rest = m_storage->source;
    m_blocks.emplace_back();
    while (!rest.empty()) {
        const size_t brk = lineBreak(rest);
        if (brk == std::string_view::npos) {
            // The last line may be a header too, with or without a line end.
            if (headerName(rest))
                startBlock({rest, {}});
            else
                addLine({rest, {}});
            break;
        }
        const size_t endLength = rest.compare(brk, 2, kCrLf) == 0 ? 2 : 1;
        const Line line{rest.substr(0, brk), lineEnd(rest.substr(brk, endLength))};
        rest.remove_prefix(brk + endLength);
        if (headerName(line.text))
            startBlock(line);
        else
            addLine(line);
    }
}

std::string_view IniDocument::store(std::string text)
{
    return m_storage->written.emplace_back(std::move(text));
}

void IniDocument::startBlock(Line header)
{
    m_sections.try_emplace(*headerName(header.text), m_blocks.size());
    Block& block = m_blocks.emplace_back();
    block.lines.push_back(header);
}

void IniDocument::addLine(Line line)
{
    if (m_blocks.empty())
        m_blocks.emplace_back();
    Block& block = m_blocks.back();
    const std::size_t index = block.lines.size();
    if (!trimmed(line.text).empty())
        block.lastNonBlank = index;
    if (const auto name = keyName(line.text))
        block.keys.try_emplace(*name, index);
    block.lines.push_back(line);
}

const IniDocument::Block* IniDocument::findBlock(std::string_view section) const
{
    const auto it = m_sections.find(trimmed(section));
    return it == m_sections.end() ? nullptr : &m_blocks[it->second];
}

IniDocument::Block* IniDocument::findBlock(std::string_view section)
{
    return const_cast<Block*>(std::as_const(*this).findBlock(section));
}

bool IniDocument::hasSection(std::string_view section) const
{
    return findBlock(section) != nullptr;
}

std::string IniDocument::read(std::string_view section, std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) const
{
    if (bufferSize == 0)
        return {};
    std::string_view value = defaultValue;
    bool found = false;
    if (const Block* block = findBlock(section)) {
        if (const auto it = block->keys.find(trimmed(key)); it != block->keys.end()) {
            const std::string_view text = block->lines[it->second].text;
            value = stripQuotes(trimmed(untilNul(text.substr(text.find('=') + 1))));
            found = true;
        }
    }
    if (!found) {
        while (!value.empty() && isBlank(value.back()))
            value.remove_suffix(1);
    }
    return std::string(leadingBytes(value, bufferSize - 1));
}

void IniDocument::terminateLastLine()
{
    for (auto block = m_blocks.rbegin(); block != m_blocks.rend(); ++block) {
        if (block->lines.empty())
            continue;
        if (block->lines.back().end.empty())
            block->lines.back().end = kCrLf;
        return;
    }
}

bool IniDocument::write(std::string_view section, std::string_view key, std::string_view value)
{
    return writeLine(section, key, value, false);
}

bool IniDocument::writeVerbatim(std::string_view section, std::string_view key, std::string_view value)
{
    return writeLine(section, key, value, true);
}

std::string IniDocument::readVerbatim(std::string_view section, std::string_view key, std::size_t bufferSize) const
{
    if (bufferSize == 0)
        return {};
    const Block* block = findBlock(section);
    if (!block)
        return {};
    const auto it = block->keys.find(trimmed(key));
    if (it == block->keys.end())
        return {};
    const std::string_view text = block->lines[it->second].text;
    return std::string(leadingBytes(untilNul(text.substr(text.find('=') + 1)), bufferSize - 1));
}

bool IniDocument::writeLine(std::string_view section, std::string_view key, std::string_view value, bool verbatim)
{
    if (breaksLines(section) || breaksLines(key) || breaksLines(value))
        return false;
    while (!verbatim && !value.empty() && isBlank(value.front()))
        value.remove_prefix(1);

    Block* block = findBlock(section);
    if (!block) {
        terminateLastLine();
        startBlock({store("[" + std::string(section) + "]"), kCrLf});
        addLine({store(std::string(key) + "=" + std::string(value)), kCrLf});
        return true;
    }

    if (const auto it = block->keys.find(trimmed(key)); it != block->keys.end()) {
        Line& existing = block->lines[it->second];
        const size_t eq = existing.text.find('=');
        const std::string_view stored = existing.text.substr(eq + 1);
        if ((verbatim ? stored : trimmed(stored)) == value)
            return true;
        // The index is keyed by a view of the old text: re-key it to the new one.
        const std::size_t index = it->second;
        block->keys.erase(it);
        existing.text = store(std::string(trimmed(existing.text.substr(0, eq))) + "=" + std::string(value));
        existing.end = kCrLf;
        block->keys.try_emplace(*keyName(existing.text), index);
        return true;
    }

    // Only blank lines follow the insertion point, and blank lines are no
    // keys, so the indexes of the section's keys stay true.
    const std::size_t at = block->lastNonBlank + 1;
    if (block->lines[block->lastNonBlank].end.empty())
        block->lines[block->lastNonBlank].end = kCrLf;
    const Line line{store(std::string(key) + "=" + std::string(value)), kCrLf};
    block->lines.insert(block->lines.begin() + static_cast<std::ptrdiff_t>(at), line);
    block->keys.try_emplace(*keyName(line.text), at);
    block->lastNonBlank = at;
    return true;
}

std::string IniDocument::bytes() const
{
    std::size_t size = 0;
    for (const Block& block : m_blocks)
        for (const Line& line : block.lines)
            size += line.text.size() + line.end.size();
    std::string out;
    out.reserve(size);
    for (const Block& block : m_blocks) {
        for (const Line& line : block.lines) {
            out += line.text;
            out += line.end;
        }
    }
    return out;
}

void IniDocument::forEachKey(
    const std::function<void(std::string_view section, std::string_view key, std::string_view value)>& visit) const
{
    for (std::size_t b = 0; b < m_blocks.size(); ++b) {
        const Block& block = m_blocks[b];
        // Lines before the first header belong to no section; a repeated
        // section is not searched.
        const auto section = block.lines.empty() ? std::nullopt : headerName(block.lines.front().text);
        if (!section || m_sections.find(*section)->second != b)
            continue;
        for (std::size_t i = 1; i < block.lines.size(); ++i) {
            const std::string_view text = block.lines[i].text;
            if (const auto name = keyName(text))
                visit(*section, *name, stripQuotes(trimmed(text.substr(text.find('=') + 1))));
        }
    }
}
