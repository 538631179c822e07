#include "platform/IniDocument.h"

#include "platform/Text.h"

#include <algorithm>

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Names compare without regard to ASCII case; inner blanks must match.
bool sameName(std::string_view a, std::string_view b)
{
    return equalIgnoringCase(trimmed(a), trimmed(b));
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

std::string_view stripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniDocument::IniDocument(std::string_view bytes)
{
    while (!bytes.empty()) {
        const size_t nl = bytes.find('\n');
        if (nl == std::string_view::npos) {
            m_lines.push_back({std::string(bytes), {}});
            break;
        }
        const bool crlf = nl > 0 && bytes[nl - 1] == '\r';
        m_lines.push_back({std::string(bytes.substr(0, crlf ? nl - 1 : nl)), crlf ? "\r\n" : "\n"});
        bytes.remove_prefix(nl + 1);
    }
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = headerName(m_lines[i].text);
        if (name && sameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && !headerName(m_lines[i].text))
        ++i;
    return i;
}

std::optional<std::size_t> IniDocument::findKey(std::size_t header, std::string_view key) const
{
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const std::string& text = m_lines[i].text;
        const size_t eq = text.find('=');
        if (eq != std::string::npos && sameName(std::string_view(text).substr(0, eq), key))
            return i;
    }
    return std::nullopt;
}

bool IniDocument::hasSection(std::string_view section) const
{
    return findSection(section).has_value();
}

std::string IniDocument::read(std::string_view section, std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) const
{
    if (bufferSize == 0)
        return {};
    std::string_view value;
    const auto header = findSection(section);
    const auto line = header ? findKey(*header, key) : std::nullopt;
    if (line) {
        const std::string& text = m_lines[*line].text;
        value = stripQuotes(trimmed(std::string_view(text).substr(text.find('=') + 1)));
    } else {
        value = defaultValue;
        while (!value.empty() && isBlank(value.back()))
            value.remove_suffix(1);
    }
    return std::string(value.substr(0, bufferSize - 1));
}

void IniDocument::terminateLastLine()
{
    if (!m_lines.empty() && m_lines.back().end.empty())
        m_lines.back().end = kCrLf;
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value)
{
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);

    const auto header = findSection(section);
    if (!header) {
        terminateLastLine();
        m_lines.push_back({"[" + std::string(section) + "]", std::string(kCrLf)});
        m_lines.push_back({std::string(key) + "=" + std::string(value), std::string(kCrLf)});
        return;
    }

    if (const auto line = findKey(*header, key)) {
        Line& existing = m_lines[*line];
        const size_t eq = existing.text.find('=');
        if (trimmed(std::string_view(existing.text).substr(eq + 1)) == value)
            return;
        const std::string spelling(trimmed(std::string_view(existing.text).substr(0, eq)));
        existing.text = spelling + "=" + std::string(value);
        existing.end = kCrLf;
        return;
    }

    std::size_t last = *header;
    for (std::size_t i = *header + 1; i < sectionEnd(*header); ++i) {
        if (!trimmed(m_lines[i].text).empty())
            last = i;
    }
    if (m_lines[last].end.empty())
        m_lines[last].end = kCrLf;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                   {std::string(key) + "=" + std::string(value), std::string(kCrLf)});
}

std::string IniDocument::bytes() const
{
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}
