#include "fuzz/FuzzTargets.h"
#include "fuzz/FuzzText.h"

#include "platform/IniDocument.h"
#include "platform/Text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Enough names to reach every branch without making one input slow.
constexpr std::size_t kMaxEntries = 8;
constexpr std::size_t kMaxProbes = 32;
constexpr std::size_t kEntriesWritten = 3;
constexpr std::size_t kPoolValuesWritten = 5;
// A header's name ends at ']' and a key's name at '=', so these are never found.
constexpr std::string_view kAbsentSection = "no]such section";
constexpr std::string_view kAbsentKey = "no=such key";
// Leading blanks of a default stay, trailing ones go.
constexpr std::string_view kDefault = " de\xC3\xA9"
                                      "fault \t";
// Two defaults a stored value cannot both equal: the reads agree only when the key exists.
constexpr std::string_view kMissingA = "missing]=a";
constexpr std::string_view kMissingB = "missing]=b";

struct Entry
{
    std::string section; // as written between the brackets, blanks included
    std::string key;     // as written before the '=', blanks included
    std::string value;   // as written after the '='
};

struct Probe
{
    std::string section;
    std::string key;
};

bool breaksLines(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool sameName(std::string_view a, std::string_view b)
{
    return equalIgnoringCase(trimmed(a), trimmed(b));
}

std::string_view withoutLeadingBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// Names the rules cannot give back: a section holding ']' is cut at it, a key
// holding '=' is cut at it, and a key line starting with '[' is a header. The
// private-profile functions write them as given, so neither does the engine;
// the tool never uses such names.
bool canBeSection(std::string_view name)
{
    return name.find(']') == std::string_view::npos;
}

bool canBeKey(std::string_view name)
{
    const std::string_view t = trimmed(name);
    return name.find('=') == std::string_view::npos && (t.empty() || t.front() != '[');
}

std::string swappedCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// Known and reported: a new key is written with the name as given, blanks
// around it included, but a rewrite of the line spells it trimmed. A value
// with trailing blanks never equals its trimmed stored form, so writing it
// again rewrites the line and drops those blanks from the name. The tool's
// key names carry no outer blanks.
bool respelledOnRewrite(std::string_view key, std::string_view value)
{
    return trimmed(key) != key && trimmed(value) != withoutLeadingBlanks(value);
}

// Length of the UTF-8 character starting at `pos`: a lead byte followed by
// all its continuation bytes, else a single byte.
std::size_t characterLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 1;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = pos + 1; i < pos + length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

// How many bytes of the whole value a buffer keeping `keep` bytes holds: all
// of them when they fit, else `keep` moved back to the start of a character
// the cut would split.
std::size_t expectedLength(std::string_view whole, std::size_t keep)
{
    if (whole.size() <= keep)
        return whole.size();
    std::size_t pos = 0;
    for (;;) {
        const std::size_t length = characterLength(whole, pos);
        if (pos + length > keep)
            return pos;
        pos += length;
    }
}

// What a read into a buffer of n bytes gives of a whole value.
std::string_view cut(std::string_view whole, std::size_t n)
{
    return whole.substr(0, n == 0 ? 0 : expectedLength(whole, n - 1));
}

class IniEngineRun
{
public:
    explicit IniEngineRun(std::string_view input)
        : m_input(input), m_doc(input), m_wholeBuffer(input.size() + 64)
    {
        collectNames();
    }

    void checkRoundTrip()
    {
        if (m_doc.bytes() != m_input)
            fail("parse and bytes() do not give the input back: " + shown(m_doc.bytes()));
    }

    // Every buffer size keeps the longest prefix that fits and splits no
    // character, in both read forms; the trimmed form is the verbatim one
    // trimmed and without its quotes.
    void checkBufferSizes()
    {
        for (const Probe& p : m_probes) {
            const std::string whole = m_doc.read(p.section, p.key, kDefault, m_wholeBuffer);
            const std::string verbatim = m_doc.readVerbatim(p.section, p.key, m_wholeBuffer);
            for (const std::size_t n : bufferSizes(std::max(whole.size(), verbatim.size()))) {
                const std::string got = m_doc.read(p.section, p.key, kDefault, n);
                if (got != cut(whole, n))
                    fail("read " + where(p.section, p.key) + " into " + std::to_string(n) + " bytes gave " +
                         shown(got) + ", whole value " + shown(whole));
                const std::string gotVerbatim = m_doc.readVerbatim(p.section, p.key, n);
                if (gotVerbatim != cut(verbatim, n))
                    fail("verbatim read " + where(p.section, p.key) + " into " + std::to_string(n) +
                         " bytes gave " + shown(gotVerbatim) + ", whole value " + shown(verbatim));
            }
            const bool exists = keyExists(p.section, p.key);
            if (exists ? whole != withoutQuotePair(trimmed(verbatim)) : !verbatim.empty())
                fail(where(p.section, p.key) + " reads " + shown(whole) + " but verbatim " + shown(verbatim));
        }
        const std::string missing = m_doc.read(kAbsentSection, kAbsentKey, kDefault, m_wholeBuffer);
        if (missing != trimmedAtEnd(kDefault))
            fail("a missing key read " + shown(missing) + ", not the default without its trailing blanks");
    }

    // The key listing shows each readable key with the value a read gives.
    void checkKeyListing()
    {
        std::vector<Probe> seen;
        m_doc.forEachKey([&](std::string_view section, std::string_view key, std::string_view value) {
            const bool first = std::none_of(seen.begin(), seen.end(), [&](const Probe& p) {
                return sameName(p.section, section) && sameName(p.key, key);
            });
            seen.push_back({std::string(section), std::string(key)});
            const std::string read = m_doc.read(section, key, kMissingA, m_wholeBuffer);
            // Known engine fault, reported: the listing does not end a value
            // at a NUL byte as a read does.
            const bool holdsNul = value.find('\0') != std::string_view::npos;
            if (first && !holdsNul && read != value)
                fail("the key listing gives " + where(section, key) + " as " + shown(value) +
                     ", a read gives " + shown(read));
        });
        for (const Probe& p : m_probes) {
            const bool listed = std::any_of(seen.begin(), seen.end(), [&](const Probe& s) {
                return sameName(s.section, p.section) && sameName(s.key, p.key);
            });
            if (listed != keyExists(p.section, p.key))
                fail("the key listing " + std::string(listed ? "shows " : "misses ") +
                     where(p.section, p.key));
        }
    }

    void checkWrites()
    {
        const std::vector<std::string> pool = valuePool();
        if (m_entries.empty()) {
            write("Sec", "Key", "Value", Form::Trimmed);
            write(" sEC\t", "KEY ", " \"quoted\" ", Form::Verbatim);
            write("Other", "Empty", "", Form::Trimmed);
        }
        const std::size_t n = std::min(m_entries.size(), kEntriesWritten);
        for (std::size_t i = 0; i < n; ++i) {
            const Entry& e = m_entries[i];
            const Entry& next = m_entries[(i + 1) % m_entries.size()];
            const Form form = i % 2 == 0 ? Form::Trimmed : Form::Verbatim;
            write(e.section, e.key, next.value, form);
            write(" " + swappedCase(e.section) + "\t", swappedCase(e.key) + " ", e.value, Form::Trimmed);
            write(e.section, e.key + "_", pool[i % pool.size()], form);
            write(e.key, e.section, e.value, Form::Verbatim);
        }
        // A few values of the pool per input, a different few for each length.
        for (std::size_t i = 0; i < kPoolValuesWritten; ++i)
            write(firstSection(), firstKey(), pool[(m_input.size() + i) % pool.size()],
                  i % 2 == 0 ? Form::Trimmed : Form::Verbatim);
        write(firstSection(), firstKey(), "line\rbreak", Form::Trimmed);
        write(firstSection(), firstKey(), "nul\0byte", Form::Verbatim);
        write(firstSection(), "key\nbreak", "v", Form::Verbatim);
        write(std::string("sec\0tion", 8), "k", "v", Form::Trimmed);
    }

    // The index the engine keeps across writes must agree with a fresh parse.
    void checkFreshParse()
    {
        const std::string bytes = m_doc.bytes();
        const IniDocument fresh(bytes);
        if (fresh.bytes() != bytes)
            fail("the written document does not parse back to its bytes: " + shown(bytes));
        for (const Probe& p : m_probes) {
            const std::string kept = m_doc.read(p.section, p.key, kMissingA, m_wholeBuffer);
            const std::string parsed = fresh.read(p.section, p.key, kMissingA, m_wholeBuffer);
            if (kept != parsed)
                fail("after the writes " + where(p.section, p.key) + " reads " + shown(kept) +
                     ", but a fresh parse of the bytes reads " + shown(parsed) + " in " + shown(bytes));
            const std::string keptVerbatim = m_doc.readVerbatim(p.section, p.key, m_wholeBuffer);
            const std::string parsedVerbatim = fresh.readVerbatim(p.section, p.key, m_wholeBuffer);
            if (keptVerbatim != parsedVerbatim)
                fail("after the writes " + where(p.section, p.key) + " reads verbatim " +
                     shown(keptVerbatim) + ", but a fresh parse of the bytes reads " + shown(parsedVerbatim) +
                     " in " + shown(bytes));
        }
    }

    [[nodiscard]] FuzzFindings findings() const { return m_findings; }

private:
    // The document's own names, spelled as in the file (blanks, case).
    void collectNames()
    {
        std::optional<std::string> section;
        for (const TextLine& line : splitLines(m_input)) {
            const std::string_view t = trimmed(line.text);
            if (!t.empty() && t.front() == '[') {
                std::string_view inner = line.text.substr(line.text.find('[') + 1);
                section = std::string(inner.substr(0, inner.find(']')));
                addProbe(*section, kAbsentKey);
                continue;
            }
            const std::size_t eq = line.text.find('=');
            if (!section || eq == std::string_view::npos || m_entries.size() == kMaxEntries)
                continue;
            m_entries.push_back(
                {*section, std::string(line.text.substr(0, eq)), std::string(line.text.substr(eq + 1))});
            addProbe(*section, line.text.substr(0, eq));
        }
        addProbe(kAbsentSection, firstKey());
        addProbe(" " + swappedCase(firstSection()) + " ", "\t" + swappedCase(firstKey()));
    }

    void addProbe(std::string_view section, std::string_view key)
    {
        if (m_probes.size() < kMaxProbes)
            m_probes.push_back({std::string(section), std::string(key)});
    }

    [[nodiscard]] std::string firstSection() const
    {
        return m_entries.empty() ? "Sec" : m_entries.front().section;
    }
    [[nodiscard]] std::string firstKey() const { return m_entries.empty() ? "Key" : m_entries.front().key; }

    // Values the rules treat specially, then the file's own.
    [[nodiscard]] std::vector<std::string> valuePool() const
    {
        std::vector<std::string> pool{
            "",         "  \tlead",         "trail  ",    "\"dq\"", "'sq'",        "\"",
            "\"\"",     "'mixed\"",         " \" in \" ", "a=b;c",  "caf\xC3\xA9", "\xE2\x82\xAC",
            "\xE9\xFF", "\xF0\x9F\x93\xB7x"};
        for (const Entry& e : m_entries)
            pool.push_back(e.value);
        return pool;
    }

    // All sizes up to a little beyond short values; for long values the
    // small ones, a stride through the middle, and those around the end.
    [[nodiscard]] static std::vector<std::size_t> bufferSizes(std::size_t length)
    {
        constexpr std::size_t kAllUpTo = 40;
        std::vector<std::size_t> sizes;
        for (std::size_t n = 0; n <= std::min(length + 2, kAllUpTo); ++n)
            sizes.push_back(n);
        if (length + 2 > kAllUpTo) {
            for (std::size_t n = kAllUpTo + 1; n + 4 < length; n += 1 + length / 16)
                sizes.push_back(n);
            for (std::size_t n = length - 3; n <= length + 2; ++n)
                sizes.push_back(n);
        }
        return sizes;
    }

    [[nodiscard]] static std::string trimmedAtEnd(std::string_view text)
    {
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        return std::string(text);
    }

    [[nodiscard]] bool keyExists(std::string_view section, std::string_view key) const
    {
        return m_doc.read(section, key, kMissingA, m_wholeBuffer) ==
               m_doc.read(section, key, kMissingB, m_wholeBuffer);
    }

    [[nodiscard]] std::vector<std::string> readProbes() const
    {
        std::vector<std::string> values;
        for (const Probe& p : m_probes)
            values.push_back(m_doc.read(p.section, p.key, kMissingA, m_wholeBuffer));
        return values;
    }

    // write() drops the value's leading blanks; writeVerbatim() keeps it whole.
    enum class Form
    {
        Trimmed,
        Verbatim
    };

    void write(const std::string& section, const std::string& key, const std::string& value, Form form)
    {
        const bool refused = breaksLines(section) || breaksLines(key) || breaksLines(value);
        if (!refused && (!canBeSection(section) || !canBeKey(key)))
            return;
        const std::string before = m_doc.bytes();
        const bool hadSection = m_doc.hasSection(section);
        const bool hadKey = keyExists(section, key);
        const std::vector<std::string> probesBefore = readProbes();
        const bool verbatim = form == Form::Verbatim;
        const std::string what =
            std::string(verbatim ? "verbatim " : "") + "write " + where(section, key) + " = " + shown(value);
        const auto doWrite = [&] {
            return verbatim ? m_doc.writeVerbatim(section, key, value) : m_doc.write(section, key, value);
        };

        const bool accepted = doWrite();
        const std::string after = m_doc.bytes();
        if (refused) {
            if (accepted || after != before)
                fail(what + " holds a line break or NUL but was not refused whole");
            return;
        }
        if (!accepted) {
            fail(what + " was refused");
            return;
        }

        const std::string readBack = m_doc.read(section, key, kDefault, m_wholeBuffer);
        const std::string_view expected = withoutQuotePair(trimmed(value));
        if (readBack != expected)
            fail(what + " reads back " + shown(readBack) + ", expected " + shown(expected));
        // The line holds the value as written, unless an equal one stood there already.
        const std::string_view written = verbatim ? std::string_view(value) : withoutLeadingBlanks(value);
        const std::string readVerbatim = m_doc.readVerbatim(section, key, m_wholeBuffer);
        if ((verbatim || after != before) && readVerbatim != written)
            fail(what + " reads back verbatim " + shown(readVerbatim) + ", expected " + shown(written));

        for (std::size_t i = 0; i < m_probes.size(); ++i) {
            const Probe& p = m_probes[i];
            if (sameName(p.section, section) && sameName(p.key, key))
                continue;
            const std::string now = m_doc.read(p.section, p.key, kMissingA, m_wholeBuffer);
            if (now != probesBefore[i])
                fail(what + " changed the unrelated " + where(p.section, p.key) + " from " +
                     shown(probesBefore[i]) + " to " + shown(now));
        }

        checkEdit(what, before, after, section, key, written, hadSection, hadKey);

        const bool changed = !doWrite() || m_doc.bytes() != after;
        if (changed && !(!verbatim && !hadKey && respelledOnRewrite(key, value)))
            fail(what + " a second time changed the file to " + shown(m_doc.bytes()));

        addProbe(section, key);
    }

    // Only the written line may change, in the one way the rules allow for
    // the case at hand: replaced in place, inserted after the last non-blank
    // line of the first section of that name, or appended in a new section.
    void checkEdit(const std::string& what, const std::string& before, const std::string& after,
                   std::string_view section, std::string_view key, std::string_view value, bool hadSection,
                   bool hadKey)
    {
        const std::string keyLine = std::string(key) + "=" + std::string(value);
        if (!hadSection) {
            std::string expected = before;
            if (!expected.empty() && expected.back() != '\n' && expected.back() != '\r')
                expected += "\r\n";
            expected += "[" + std::string(section) + "]\r\n" + keyLine + "\r\n";
            if (after != expected)
                fail(what + " into a new section gave " + shown(after) + ", expected " + shown(expected));
            return;
        }

        const std::vector<TextLine> b = splitLines(before);
        const std::vector<TextLine> a = splitLines(after);
        if (hadKey) {
            if (after == before)
                return;
            std::size_t changed = 0;
            std::size_t at = 0;
            for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
                if (a[i].text != b[i].text || a[i].end != b[i].end) {
                    ++changed;
                    at = i;
                }
            }
            if (a.size() != b.size() || changed != 1) {
                fail(what + " over an existing key did not change exactly one line: " + shown(after));
                return;
            }
            const std::string_view old = b[at].text;
            const std::string spelling(trimmed(old.substr(0, old.find('='))));
            if (old.find('=') == std::string_view::npos || !sameName(spelling, key) ||
                a[at].text != spelling + "=" + std::string(value) || a[at].end != "\r\n")
                fail(what + " replaced " + shown(old) + " by " + shown(a[at].text) + shown(a[at].end));
            return;
        }

        if (a.size() != b.size() + 1) {
            fail(what + " as a new key did not add exactly one line: " + shown(after));
            return;
        }
        std::size_t at = 0;
        while (at < b.size() && a[at].text == b[at].text && a[at].end == b[at].end)
            ++at;
        std::size_t inserted = at;
        bool ok = true;
        if (at + 1 == b.size() && b[at].end.empty() && a[at].text == b[at].text) {
            // The old last line gained a line break and the new line follows it.
            ok = a[at].end == "\r\n";
            inserted = at + 1;
        }
        ok = ok && inserted > 0 && a[inserted].text == keyLine && a[inserted].end == "\r\n";
        for (std::size_t i = inserted; ok && i < b.size(); ++i)
            ok = a[i + 1].text == b[i].text && a[i + 1].end == b[i].end;
        if (!ok) {
            fail(what + " as a new key changed other lines: " + shown(after));
            return;
        }
        // Before the new line: a header or a non-blank line of the section;
        // after it up to the next header: blank lines only.
        if (trimmed(a[inserted - 1].text).empty())
            fail(what + " was put after a blank line: " + shown(after));
        for (std::size_t i = inserted + 1; i < a.size() && !isHeader(a[i].text); ++i) {
            if (!trimmed(a[i].text).empty()) {
                fail(what + " was put before the end of its section: " + shown(after));
                break;
            }
        }
        std::size_t header = inserted;
        while (header > 0 && !isHeader(a[header - 1].text))
            --header;
        const std::optional<std::string> name = header > 0 ? headerName(a[header - 1].text) : std::nullopt;
        bool first = name && sameName(*name, section);
        for (std::size_t i = 0; first && i + 1 < header; ++i)
            first = !isHeader(a[i].text) || !sameName(*headerName(a[i].text), section);
        if (!first)
            fail(what + " went into another section than the first " + shown(section) + ": " + shown(after));
    }

    static bool isHeader(std::string_view line)
    {
        const std::string_view t = trimmed(line);
        return !t.empty() && t.front() == '[';
    }

    static std::optional<std::string> headerName(std::string_view line)
    {
        if (!isHeader(line))
            return std::nullopt;
        std::string_view inner = line.substr(line.find('[') + 1);
        return std::string(inner.substr(0, inner.find(']')));
    }

    static std::string where(std::string_view section, std::string_view key)
    {
        return "[" + shown(section) + "] " + shown(key);
    }

    void fail(std::string finding) { m_findings.push_back(std::move(finding)); }

    std::string_view m_input;
    IniDocument m_doc;
    std::size_t m_wholeBuffer;
    std::vector<Entry> m_entries;
    std::vector<Probe> m_probes;
    FuzzFindings m_findings;
};

} // namespace

FuzzFindings fuzzIniEngine(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    IniEngineRun run(input);
    run.checkRoundTrip();
    run.checkBufferSizes();
    run.checkKeyListing();
    run.checkWrites();
    run.checkKeyListing();
    run.checkFreshParse();
    return run.findings();
}
