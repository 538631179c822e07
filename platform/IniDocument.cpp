#include "platform/IniDocument.h"

#include "platform/Text.h"

#include <utility>

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Names compare without regard to ASCII case after trimming; inner blanks
// must match. The folded form is what the indexes are keyed by.
std::string nameKey(std::string_view name)
{
    return foldedCase(trimmed(name));
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

std::optional<std::string_view> keyName(std::string_view line)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

std::string_view stripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool breaksLines(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

IniDocument::IniDocument(std::string_view bytes)
{
    m_blocks.emplace_back();
    while (!bytes.empty()) {
        const size_t brk = bytes.find_first_of("\r\n");
        if (brk == std::string_view::npos) {
            addLine({std::string(bytes), {}});
            break;
        }
        const size_t endLength = bytes.compare(brk, 2, kCrLf) == 0 ? 2 : 1;
        Line line{std::string(bytes.substr(0, brk)), std::string(bytes.substr(brk, endLength))};
        bytes.remove_prefix(brk + endLength);
        if (headerName(line.text))
            startBlock(std::move(line));
        else
            addLine(std::move(line));
    }
}

void IniDocument::startBlock(Line header)
{
    const std::string name = nameKey(*headerName(header.text));
    m_sections.try_emplace(name, m_blocks.size());
    Block& block = m_blocks.emplace_back();
    block.lines.push_back(std::move(header));
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
        block.keys.try_emplace(nameKey(*name), index);
    block.lines.push_back(std::move(line));
}

const IniDocument::Block* IniDocument::findBlock(std::string_view section) const
{
    const auto it = m_sections.find(nameKey(section));
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
    std::string_view value;
    const Block* block = findBlock(section);
    const auto line = block ? block->keys.find(nameKey(key)) : decltype(block->keys)::const_iterator{};
    if (block && line != block->keys.end()) {
        const std::string& text = block->lines[line->second].text;
        value = stripQuotes(trimmed(std::string_view(text).substr(text.find('=') + 1)));
    } else {
        value = defaultValue;
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
    if (breaksLines(section) || breaksLines(key) || breaksLines(value))
        return false;
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);

    Block* block = findBlock(section);
    if (!block) {
        terminateLastLine();
        startBlock({"[" + std::string(section) + "]", std::string(kCrLf)});
        addLine({std::string(key) + "=" + std::string(value), std::string(kCrLf)});
        return true;
    }

    const std::string name = nameKey(key);
    if (const auto it = block->keys.find(name); it != block->keys.end()) {
        Line& existing = block->lines[it->second];
        const size_t eq = existing.text.find('=');
        if (trimmed(std::string_view(existing.text).substr(eq + 1)) == value)
            return true;
        const std::string spelling(trimmed(std::string_view(existing.text).substr(0, eq)));
        existing.text = spelling + "=" + std::string(value);
        existing.end = kCrLf;
        return true;
    }

    // Only blank lines follow the insertion point, and blank lines are no
    // keys, so the indexes of the section's keys stay true.
    const std::size_t at = block->lastNonBlank + 1;
    if (block->lines[block->lastNonBlank].end.empty())
        block->lines[block->lastNonBlank].end = kCrLf;
    Line line{std::string(key) + "=" + std::string(value), std::string(kCrLf)};
    // A key name holding '=' is found by its text before the first '='.
    block->keys.try_emplace(nameKey(*keyName(line.text)), at);
    block->lines.insert(block->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
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
