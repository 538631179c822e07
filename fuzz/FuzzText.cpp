#include "fuzz/FuzzText.h"

#include "fuzz/FuzzTargets.h"
#include "platform/Text.h"

#include <cstdio>
#include <cstdlib>

std::vector<TextLine> splitLines(std::string_view bytes)
{
    std::vector<TextLine> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const std::size_t endLength =
            (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        lines.push_back({bytes.substr(start, i - start), bytes.substr(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back({bytes.substr(start), {}});
    return lines;
}

std::string_view withoutQuotePair(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string shown(std::string_view bytes)
{
    constexpr std::size_t kMaxShown = 300;
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size() && i < kMaxShown; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    out += bytes.size() > kMaxShown ? "\"..." : "\"";
    return out;
}

int stopOnFindings(const FuzzFindings& findings)
{
    if (findings.empty())
        return 0;
    for (const std::string& finding : findings)
        std::fprintf(stderr, "finding: %s\n", finding.c_str());
    std::abort();
}
