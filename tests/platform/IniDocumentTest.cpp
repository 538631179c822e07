#include "TestDrives.h"
#include "platform/FileSystem.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct KeyWrite
{
    const char* section;
    const char* key;
    const char* value;
};

struct GoldenCase
{
    const char* name; // folder under data/ini with before.ini (optional) and after.ini
    std::vector<KeyWrite> writes;
};

std::string golden(const std::string& name, const char* file)
{
    return TestDrives::readText(fs::path(KRT_TEST_DATA_DIR) / "ini" / name / file);
}

void PrintTo(const GoldenCase& c, std::ostream* os)
{
    *os << c.name;
}

class IniGoldenTest : public testing::TestWithParam<GoldenCase>
{
};

// Each case goes through the per-key write on disk, as the private-profile
// functions would, and must leave exactly the hand-written bytes.
TEST_P(IniGoldenTest, WritesGiveTheExpectedBytes)
{
    const GoldenCase& c = GetParam();
    TestDrives drives;
    drives.addDrive('E');
    FileSystem files(drives.map());
    const fs::path before = fs::path(KRT_TEST_DATA_DIR) / "ini" / c.name / "before.ini";
    if (fs::exists(before))
        TestDrives::writeText(drives.native('E', "P.TXT"), TestDrives::readText(before));

    for (const KeyWrite& w : c.writes)
        ASSERT_TRUE(IniFile::writeKey(files, "E:\\P.TXT", w.section, w.key, w.value));

    EXPECT_EQ(TestDrives::readText(drives.native('E', "P.TXT")), golden(c.name, "after.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniGoldenTest,
    testing::Values(GoldenCase{"new_file", {{"Sec", "Key", "Value"}}},
                    GoldenCase{"empty_file", {{"Sec", "Key", "Value"}}},
                    GoldenCase{"new_key", {{"A", "z", "3"}}},
                    GoldenCase{"new_section", {{"B", "k", "v"}, {"C", "m", "n"}}},
                    GoldenCase{"new_section_unterminated", {{"B", "k", "v"}}},
                    GoldenCase{"replace_in_place", {{"mysection", "MYKEY", "2"}}},
                    GoldenCase{"duplicate_section", {{"s", "c", "9"}}},
                    GoldenCase{"value_text",
                               {{"S", "Lead", "  \tv  "}, {"S", "Empty", ""}, {"S", "High", "caf\xe9 \xff"},
                                {"S", "Raw", "a;b \"c\""}}},
                    GoldenCase{"names_trimmed",
                               {{" work hour", "work hour starth ", "7"}, {"WORK HOUR", "Work Hour StopH", "8"}}},
                    GoldenCase{"unterminated_key", {{"S", "L", "2"}}}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

struct ReadCase
{
    const char* what;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::size_t bufferSize;
    const char* expected;
};

TEST(IniDocumentRead, FollowsThePrivateProfileRules)
{
    const IniDocument doc("[S]\r\n"
                          "Inline=1 ; note\r\n"
                          "  Spaced  =   padded value   \r\n"
                          "DQ=\"dq\"\r\n"
                          "SQ='sq'\r\n"
                          "Pair=\"\"\r\n"
                          "Half=\"open\r\n"
                          "Mixed=\"a'\r\n"
                          "Empty=\r\n"
                          "NoEquals\r\n"
                          "Twelve=123456789012\r\n"
                          "Eq=a=b\r\n"
                          "[Work Hour]\n"
                          "Work Hour StartH=4\n"
                          "[S]\r\n"
                          "Late=second section of the same name\r\n");
    const ReadCase cases[] = {
        {"no inline comments", "S", "Inline", "", 64, "1 ; note"},
        {"names and value trimmed", "s", "SPACED", "", 64, "padded value"},
        {"double quotes removed", "S", "DQ", "", 64, "dq"},
        {"single quotes removed", "S", "SQ", "", 64, "sq"},
        {"empty quotes give empty text", "S", "Pair", "x", 64, ""},
        {"an unmatched quote stays", "S", "Half", "", 64, "\"open"},
        {"different quotes stay", "S", "Mixed", "", 64, "\"a'"},
        {"empty value is not the default", "S", "Empty", "dflt", 64, ""},
        {"a line without '=' is no key", "S", "NoEquals", "dflt", 64, "dflt"},
        {"missing key gives the default without trailing blanks", "S", "Nope", " dflt  ", 64, " dflt"},
        {"missing section gives the default", "Other", "Inline", "d", 64, "d"},
        {"buffer of 10 keeps 9", "S", "Twelve", "", 10, "123456789"},
        {"buffer of 15 keeps 14", "S", "Twelve", "", 15, "123456789012"},
        {"default is cut too", "S", "Nope", "abcdef", 4, "abc"},
        {"buffer of 0 gives nothing", "S", "Inline", "", 0, ""},
        {"value after the first '='", "S", "Eq", "", 64, "a=b"},
        {"inner blanks must match", "Work Hour", "Work Hour StartH", "", 64, "4"},
        {"inner blanks must match (not)", "WorkHour", "Work Hour StartH", "none", 64, "none"},
        {"only the first section of a name counts", "S", "Late", "none", 64, "none"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(doc.read(c.section, c.key, c.defaultValue, c.bufferSize), c.expected) << c.what;
}

TEST(IniDocumentRead, ValueOfExactlyTheLimitRoundTrips)
{
    const std::string eighty(80, 'x');
    IniDocument doc;
    ASSERT_TRUE(doc.write("Receive number and receive email", "ReceiveEmail1", eighty));
    EXPECT_EQ(doc.read("Receive number and receive email", "ReceiveEmail1", "", 81), eighty);
    EXPECT_EQ(doc.read("Receive number and receive email", "ReceiveEmail1", "", 80), eighty.substr(0, 79));
}

TEST(IniDocumentWrite, TrailingBlanksAreWrittenButNotReadBack)
{
    IniDocument doc;
    ASSERT_TRUE(doc.write("S", "K", "v  "));
    EXPECT_EQ(doc.bytes(), "[S]\r\nK=v  \r\n");
    EXPECT_EQ(doc.read("S", "K", "", 64), "v");
}

// An old editor's card file ends its lines in CR alone; it must read as
// lines, and each line keeps its own end when others change.
TEST(IniDocumentLineEnds, CrLfAndLoneCrAreAllLineEnds)
{
    IniDocument doc("[KRTFileMark]\rModel=TQ270\r[S]\nA=1\r\nB=2\r\r\nC=3\r");
    EXPECT_TRUE(doc.hasSection("S"));
    EXPECT_EQ(doc.read("KRTFileMark", "Model", "", 15), "TQ270");
    EXPECT_EQ(doc.read("S", "A", "", 64), "1");
    EXPECT_EQ(doc.read("S", "B", "", 64), "2");
    EXPECT_EQ(doc.read("S", "C", "", 64), "3");

    ASSERT_TRUE(doc.write("KRTFileMark", "Model", "TQ355"));
    ASSERT_TRUE(doc.write("S", "D", "4"));
    EXPECT_EQ(doc.bytes(), "[KRTFileMark]\rModel=TQ355\r\n[S]\nA=1\r\nB=2\r\r\nC=3\rD=4\r\n");
}

// A value with a line break would put lines of its own into the file: the
// camera would read sections the user never set.
TEST(IniDocumentWrite, LineBreaksAndNulAreRefused)
{
    struct Case
    {
        const char* what;
        std::string section;
        std::string key;
        std::string value;
    };
    const Case cases[] = {
        {"CR LF in a value", "Receive number and receive email", "AdministratorNum",
         "+49123\r\n[Camera Setting]\r\nLanguage=3"},
        {"LF in a value", "S", "K", "a\nb"},
        {"CR in a value", "S", "K", "a\rb"},
        {"NUL in a value", "S", "K", std::string("a\0b", 3)},
        {"CR in a key", "S", "K\r", "v"},
        {"LF in a section", "S\n[T]", "K", "v"},
        {"NUL in a section", std::string("S\0", 2), "K", "v"},
    };
    for (const Case& c : cases) {
        IniDocument doc("[S]\r\nK=old\r\n");
        EXPECT_FALSE(doc.write(c.section, c.key, c.value)) << c.what;
        EXPECT_EQ(doc.bytes(), "[S]\r\nK=old\r\n") << c.what << ": nothing changes";
    }
}

// The index must stay true while writes insert lines: keys added to an
// earlier section, duplicate names, trailing blank lines, keys named with
// '=' in them.
TEST(IniDocumentWrite, IndexFollowsInsertedLines)
{
    IniDocument doc("[A]\r\nx=1\r\nx=dup\r\n\r\n; note\r\n\r\n[B]\r\ny=2\r\n[a]\r\nz=9\r\n");
    ASSERT_TRUE(doc.write("A", "n1", "a"));
    ASSERT_TRUE(doc.write("a", "N2", "b"));
    ASSERT_TRUE(doc.write("A", "n1", "c"));
    ASSERT_TRUE(doc.write("B", "y", "3"));
    ASSERT_TRUE(doc.write("A", "k=e", "v"));
    ASSERT_TRUE(doc.write("A", "x", "5"));
    EXPECT_EQ(doc.read("A", "x", "", 64), "5") << "the first of two equal keys counts";
    EXPECT_EQ(doc.read("A", "n1", "", 64), "c");
    EXPECT_EQ(doc.read("A", "z", "none", 64), "none") << "a second [a] is not searched";
    EXPECT_EQ(doc.read("A", "k", "", 64), "e=v") << "a name is the text before the first '='";
    EXPECT_EQ(doc.bytes(), "[A]\r\nx=5\r\nx=dup\r\n\r\n; note\r\nn1=c\r\nN2=b\r\nk=e=v\r\n\r\n"
                           "[B]\r\ny=3\r\n[a]\r\nz=9\r\n");
}

TEST(IniDocumentRead, ACutNeverSplitsACharacter)
{
    const IniDocument doc("[S]\r\nName=Jos\xC3\xA9\r\nLatin=Jos\xE9!\r\n");
    EXPECT_EQ(doc.read("S", "Name", "", 5), "Jos") << "four bytes would end inside the last letter";
    EXPECT_EQ(doc.read("S", "Name", "", 6), "Jos\xC3\xA9");
    EXPECT_EQ(doc.read("S", "Latin", "", 5), "Jos\xE9") << "bytes of another code page are cut as they are";
}

// A card file whose last line is a header without a line end: the section
// is found, and writes go into it rather than into a second one.
TEST(IniDocumentLineEnds, AnUnterminatedLastHeaderIsASection)
{
    IniDocument doc("[A]\r\nx=1\r\n[B]");
    EXPECT_TRUE(doc.hasSection("B"));
    ASSERT_TRUE(doc.write("B", "k", "v"));
    ASSERT_TRUE(doc.write("A", "y", "2"));
    EXPECT_EQ(doc.bytes(), "[A]\r\nx=1\r\ny=2\r\n[B]\r\nk=v\r\n");
}

// A value with a NUL byte reads as the text before it, as the C-string
// reads of the private-profile functions do; writing it back then works.
TEST(IniDocumentRead, AValueEndsAtANulByte)
{
    IniDocument doc(std::string("[S]\r\nK=ab\0cd\r\nL=1\r\n", 20));
    EXPECT_EQ(doc.read("S", "K", "", 64), "ab");
    EXPECT_EQ(doc.read("S", "L", "", 64), "1");
    EXPECT_TRUE(doc.write("S", "K", doc.read("S", "K", "", 64)));
}

} // namespace
