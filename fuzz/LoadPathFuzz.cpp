#include "fuzz/FuzzTargets.h"
#include "fuzz/FuzzText.h"

#include "TestDrives.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/MainParaCore.h"
#include "platform/IniDocument.h"
#include "platform/Text.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFallbackModel = "TQ270";
constexpr LocalDateTime kNow{2025, 6, 1, 8, 30, 0};

// The model whose file mark the card file carries, so the fuzzer reaches
// every camera layout; the encoded-file models have a load path of their own.
const ModelDescriptor& modelFor(std::string_view card)
{
    const std::string mark(trimmed(IniDocument(card).read("KRTFileMark", "Model", "", 15)));
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        if (model.mainDialog == ModelCatalogue::kPlainMainDialog && model.modelValue == mark)
            return model;
    }
    return *ModelCatalogue::find(kFallbackModel);
}

std::set<std::string> entriesOf(const fs::path& dir, bool recursive)
{
    std::set<std::string> names;
    std::error_code ec;
    if (recursive) {
        for (auto it = fs::recursive_directory_iterator(dir, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            names.insert(fs::relative(it->path(), dir, ec).generic_string());
    } else {
        for (auto it = fs::directory_iterator(dir, ec); !ec && it != fs::directory_iterator();
             it.increment(ec))
            names.insert(it->path().filename().string());
    }
    return names;
}

class LoadPathRun
{
public:
    LoadPathRun(std::string_view card, const ModelDescriptor& model)
        : m_card(card), m_model(model), m_fileName(model.fileName), m_cardPath("E:\\GSM\\" + m_fileName),
          m_backupPath("C:\\TavrinoxaBackup\\" + m_fileName), m_clock(kNow)
    {
        m_drives.addDrive('C');
        m_drives.addDrive('E');
        TestDrives::writeText(cardFile(), m_card);
    }

    [[nodiscard]] fs::path cardFile() const { return m_drives.native('E', "GSM/" + m_fileName); }
    [[nodiscard]] fs::path backupFile() const
    {
        return m_drives.native('C', "TavrinoxaBackup/" + m_fileName);
    }

    /// One opening of the main dialog and one SAVE; gives the saved card file.
    std::string searchAndSave(int round)
    {
        const std::string when = "round " + std::to_string(round) + ": ";
        RecordingMessageService messages;
        AppContext context(m_drives.map(), RegistryStore((m_drives.base() / "registry").string()), messages,
                           m_clock);
        MainParaCore core(context, std::string(m_model.listEntry));
        if (core.Mng_CurModSaveInfoSet() != 1) {
            fail(when + "the model was not set up");
            return {};
        }
        const std::string before = TestDrives::readText(cardFile());
        const bool valid = core.IsValidParameterFile(m_cardPath) == 1;
        if (round > 1 && !valid)
            fail(when + "the file the first save wrote is not a valid parameter file");

        core.Mng_SearchDisks();
        if (!messages.shown().empty())
            fail(when + "the disk search said " + shown(messages.shown().front().text));
        if (core.saveTarget() != m_cardPath)
            fail(when + "the save target is " + shown(core.saveTarget()));
        if (valid && TestDrives::readText(cardFile()) != before)
            fail(when + "the disk search changed the valid card file");
        if (!valid && fs::exists(cardFile()))
            fail(when + "the invalid card file was not deleted");

        core.saveAll();
        const std::string asked = "Sava all parameters to \"" + m_cardPath + "\" ?";
        const std::vector<std::string> saved{asked, "OK,All parameters have been saved success !"};
        if (messages.texts() == saved) {
            if (core.IsValidParameterFile(m_cardPath) != 1)
                fail(when + "the saved card file is not a valid parameter file");
            if (core.IsValidParameterFile(m_backupPath) != 1)
                fail(when + "the backup copy is not a valid parameter file");
        } else {
            std::string said;
            for (const std::string& text : messages.texts())
                said += " " + shown(text);
            fail(when + "SAVE said" + said);
        }
        return TestDrives::readText(cardFile());
    }

    // A second load and save gives the same bytes, with two exceptions the
    // file's rules make: a value read through one pair of quotes comes back
    // without them (a read strips one pair, a write adds none), and a camera
    // value below zero is written empty, which reads as 0 ("GameCall
    // PlayTime": as -1, its "OFF").
    void compareSaves(std::string_view first, std::string_view second)
    {
        if (first == second)
            return;
        const std::vector<TextLine> a = splitLines(first);
        const std::vector<TextLine> b = splitLines(second);
        if (a.size() != b.size()) {
            fail("a second search and save changed the number of lines: " + shown(first) + " became " +
                 shown(second));
            return;
        }
        std::string_view section;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const std::string_view t = trimmed(a[i].text);
            if (!t.empty() && t.front() == '[')
                section = trimmed(t.substr(1, t.find(']') - 1));
            if (a[i].text == b[i].text && a[i].end == b[i].end)
                continue;
            const std::size_t eqA = a[i].text.find('=');
            const std::size_t eqB = b[i].text.find('=');
            bool explained = eqA != std::string_view::npos && eqB != std::string_view::npos &&
                             a[i].text.substr(0, eqA) == b[i].text.substr(0, eqB) && a[i].end == b[i].end;
            if (explained) {
                const std::string_view was = trimmed(a[i].text.substr(eqA + 1));
                const std::string_view now = trimmed(b[i].text.substr(eqB + 1));
                const bool quoteLost =
                    withoutQuotePair(was).size() < was.size() && now == trimmed(withoutQuotePair(was));
                const bool playTime =
                    equalIgnoringCase(trimmed(a[i].text.substr(0, eqA)), "GameCall PlayTime");
                const bool emptyCameraValue = was.empty() && now == (playTime ? "-1" : "0") &&
                                              equalIgnoringCase(section, "Camera Setting");
                explained = quoteLost || emptyCameraValue;
            }
            if (!explained)
                fail("a second search and save changed line " + shown(a[i].text) + " to " + shown(b[i].text));
        }
    }

    // The tool writes the card file and the backup copy, and makes their
    // folders; anything else on the drives is a write that went astray.
    void checkNothingElseWritten()
    {
        const std::set<std::string> allowed{
            "C", "C/TavrinoxaBackup", "C/TavrinoxaBackup/" + m_fileName, "E", "E/GSM", "E/GSM/" + m_fileName};
        for (const std::string& entry : entriesOf(m_drives.base(), true)) {
            if (!allowed.contains(entry))
                fail("a file the tool should not write: " + shown(entry));
        }
    }

    void fail(std::string finding) { m_findings.push_back(std::move(finding)); }
    [[nodiscard]] FuzzFindings findings() const { return m_findings; }

private:
    std::string m_card;
    const ModelDescriptor& m_model;
    std::string m_fileName;
    std::string m_cardPath;
    std::string m_backupPath;
    TestDrives m_drives;
    FixedClock m_clock;
    FuzzFindings m_findings;
};

// A path that lost its drive letter would land in the working directory.
bool looksLikeOurs(std::string_view name, std::string_view fileName)
{
    return name.find(fileName) != std::string_view::npos || name.find("GSM") != std::string_view::npos ||
           name.find("Tavrinoxa") != std::string_view::npos || name.find(':') != std::string_view::npos ||
           name.find('\\') != std::string_view::npos;
}

} // namespace

FuzzFindings fuzzLoadPath(const std::uint8_t* data, std::size_t size)
{
    const std::string card(reinterpret_cast<const char*>(data), size);
    const ModelDescriptor& model = modelFor(card);
    std::error_code ec;
    const fs::path workingDir = fs::current_path(ec);
    const std::set<std::string> workingBefore = entriesOf(workingDir, false);

    FuzzFindings findings;
    {
        LoadPathRun run(card, model);
        const std::string first = run.searchAndSave(1);
        const std::string second = run.searchAndSave(2);
        run.compareSaves(first, second);
        run.checkNothingElseWritten();
        findings = run.findings();
    }

    for (const std::string& entry : entriesOf(workingDir, false)) {
        if (!workingBefore.contains(entry) && looksLikeOurs(entry, model.fileName))
            findings.push_back("a file appeared in the working directory: " + shown(entry));
    }
    return findings;
}
