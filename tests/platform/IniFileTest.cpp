#include "TestDrives.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class IniFileTest : public testing::Test
{
protected:
    IniFileTest() : files(drives.map()) { drives.addDrive('E'); }

    TestDrives drives;
    FileSystem files;
};

TEST_F(IniFileTest, ABatchWritesTheFileOnceInWriteOrder)
{
    const unsigned long before = IniFile::fileWrites();
    IniFile file(files, "E:\\P.TXT");
    file.write("KRTFileMark", "Model", "TQ270");
    file.write("Camera Setting", "Language", "0");
    file.write("KRTFileMark", "Model", "TQ355");
    EXPECT_FALSE(fs::exists(drives.native('E', "P.TXT"))) << "nothing reaches the disk before save()";
    ASSERT_TRUE(file.save());
    EXPECT_EQ(IniFile::fileWrites() - before, 1u);
    EXPECT_EQ(TestDrives::readText(drives.native('E', "P.TXT")),
              "[KRTFileMark]\r\nModel=TQ355\r\n[Camera Setting]\r\nLanguage=0\r\n");
}

TEST_F(IniFileTest, RewritingTheStoredValuesLeavesTheFileUntouched)
{
    const std::string original = "[S]\nK = \"q\"  \nN=1\n";
    TestDrives::writeText(drives.native('E', "P.TXT"), original);
    const auto stamp = fs::last_write_time(drives.native('E', "P.TXT"));

    const unsigned long before = IniFile::fileWrites();
    IniFile file(files, "E:\\P.TXT");
    file.write("s", "k", "\"q\"");
    file.write("S", "N", "1");
    ASSERT_TRUE(file.save());
    EXPECT_EQ(IniFile::fileWrites(), before);
    EXPECT_EQ(TestDrives::readText(drives.native('E', "P.TXT")), original);
    EXPECT_EQ(fs::last_write_time(drives.native('E', "P.TXT")), stamp);
}

TEST_F(IniFileTest, ReadOnlyFileRefusesTheSaveAndKeepsItsBytes)
{
    const std::string original = "[S]\r\nK=1\r\n";
    TestDrives::writeText(drives.native('E', "P.TXT"), original);
    ASSERT_TRUE(files.setAttributes("E:\\P.TXT", FileAttribute::ReadOnly));

    EXPECT_FALSE(IniFile::writeKey(files, "E:\\P.TXT", "S", "K", "2"));
    EXPECT_FALSE(IniFile::writeKey(files, "E:\\P.TXT", "S", "K", "1")) << "a write to a read-only file fails";
    EXPECT_EQ(TestDrives::readText(drives.native('E', "P.TXT")), original);
    EXPECT_EQ(IniFile::readKey(files, "E:\\P.TXT", "S", "K", "", 10), "1") << "reads still work";
}

TEST_F(IniFileTest, MissingFolderFailsAndCreatesNothing)
{
    EXPECT_FALSE(IniFile::writeKey(files, "E:\\GSM\\P.TXT", "S", "K", "1"));
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM")));
}

TEST_F(IniFileTest, FolderStandingAtThePathFailsTheSave)
{
    fs::create_directories(drives.native('E', "P.TXT"));
    EXPECT_FALSE(IniFile::writeKey(files, "E:\\P.TXT", "S", "K", "1"));
    EXPECT_TRUE(fs::is_directory(drives.native('E', "P.TXT")));
}

TEST_F(IniFileTest, UnmappedDriveReadsDefaultsAndRefusesWrites)
{
    EXPECT_EQ(IniFile::readKey(files, "Q:\\P.TXT", "S", "K", "dflt", 10), "dflt");
    EXPECT_FALSE(IniFile::writeKey(files, "Q:\\P.TXT", "S", "K", "1"));
}

TEST_F(IniFileTest, FailedSaveLeavesNoTemporaryFileBehind)
{
    TestDrives::writeText(drives.native('E', "P.TXT"), "[S]\r\nK=1\r\n");
    ASSERT_TRUE(files.setAttributes("E:\\P.TXT", FileAttribute::ReadOnly));
    EXPECT_FALSE(IniFile::writeKey(files, "E:\\P.TXT", "S", "K", "2"));
    EXPECT_EQ(files.list("E:\\"), std::vector<std::string>{"P.TXT"});
}

} // namespace
