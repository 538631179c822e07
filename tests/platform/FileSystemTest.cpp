#include "TestDrives.h"
#include "platform/CUtil.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {

class FileSystemTest : public testing::Test
{
protected:
    FileSystemTest() : files(drives.map())
    {
        drives.addDrive('E');
        TestDrives::writeText(drives.native('E', "GSM/TQ270.TXT"), "old");
    }

    TestDrives drives;
    FileSystem files;
};

// Root ignores permission bits, so the read-only attribute must be enforced
// by the tool itself for delete, rename and write alike.
TEST_F(FileSystemTest, ReadOnlyFileRefusesDeleteRenameAndWriteEvenForRoot)
{
    ASSERT_TRUE(files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));
    EXPECT_TRUE(files.isReadOnly("E:\\GSM\\TQ270.TXT"));

    EXPECT_FALSE(files.deleteFile("E:\\GSM\\TQ270.TXT"));
    EXPECT_FALSE(files.rename("E:\\GSM\\TQ270.TXT", "E:\\GSM\\OTHER.TXT"));
    EXPECT_FALSE(files.writeFile("E:\\GSM\\TQ270.TXT", "new"));
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/TQ270.TXT")), "old");

    CUtil::ClearReadOnlyAttribute(files, "E:\\GSM\\TQ270.TXT");
    EXPECT_FALSE(files.isReadOnly("E:\\GSM\\TQ270.TXT"));
    EXPECT_TRUE(files.writeFile("E:\\GSM\\TQ270.TXT", "new"));
    EXPECT_TRUE(files.rename("E:\\GSM\\TQ270.TXT", "E:\\GSM\\OTHER.TXT"));
    EXPECT_TRUE(files.deleteFile("E:\\GSM\\OTHER.TXT"));
    EXPECT_FALSE(files.exists("E:\\GSM\\OTHER.TXT"));
}

TEST_F(FileSystemTest, ClearReadOnlyOnAMissingPathDoesNothing)
{
    CUtil::ClearReadOnlyAttribute(files, "E:\\GSM\\MISSING.TXT");
    EXPECT_FALSE(files.exists("E:\\GSM\\MISSING.TXT"));
}

TEST_F(FileSystemTest, WriteReplacesTheWholeFileAndKeepsItsMarks)
{
    const bool marksKept =
        ::setxattr(drives.native('E', "GSM/TQ270.TXT").c_str(), "user.krt.probe", "1", 1, 0) == 0;
    files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::Hidden);
    ASSERT_TRUE(files.writeFile("E:\\GSM\\TQ270.TXT", "new bytes"));
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/TQ270.TXT")), "new bytes");
    EXPECT_EQ(files.list("E:\\GSM"), std::vector<std::string>{"TQ270.TXT"}) << "no temporary file is left";
    if (marksKept) {
        EXPECT_TRUE(files.attributes("E:\\GSM\\TQ270.TXT").value_or(0) & FileAttribute::Hidden)
            << "the hidden mark survives a rewrite";
    }
}

TEST_F(FileSystemTest, HiddenAndSystemMarksAreKeptBesideTheFile)
{
    if (::setxattr(drives.native('E', "GSM/TQ270.TXT").c_str(), "user.krt.probe", "1", 1, 0) != 0)
        GTEST_SKIP() << "this file system keeps no user extended attributes";
    ASSERT_TRUE(files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::Hidden | FileAttribute::System));
    EXPECT_EQ(*files.attributes("E:\\GSM\\TQ270.TXT") & (FileAttribute::Hidden | FileAttribute::System),
              FileAttribute::Hidden | FileAttribute::System);
    ASSERT_TRUE(files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::Normal));
    EXPECT_EQ(*files.attributes("E:\\GSM\\TQ270.TXT") & (FileAttribute::Hidden | FileAttribute::System), 0u);
}

TEST_F(FileSystemTest, FoldersAreMadeOneLevelAtATime)
{
    EXPECT_FALSE(files.createDirectory("E:\\A\\B")) << "parent missing";
    EXPECT_TRUE(files.createDirectory("E:\\A"));
    EXPECT_FALSE(files.createDirectory("E:\\A")) << "exists already";
    EXPECT_TRUE(files.createDirectory("E:\\A\\B\\"));
    EXPECT_TRUE(files.isDirectory("E:\\A\\B"));
    EXPECT_FALSE(files.removeDirectory("E:\\A")) << "not empty";
    EXPECT_TRUE(files.removeDirectory("E:\\A\\B"));
    EXPECT_EQ(files.attributes("E:\\A").value_or(0) & FileAttribute::Directory, FileAttribute::Directory);
}

TEST_F(FileSystemTest, RenameRefusesAnExistingTarget)
{
    TestDrives::writeText(drives.native('E', "GSM/B.TXT"), "b");
    EXPECT_FALSE(files.rename("E:\\GSM\\TQ270.TXT", "E:\\GSM\\B.TXT"));
    EXPECT_TRUE(CUtil::RenameIfExists(files, "E:\\GSM\\NONE.TXT", "E:\\GSM\\B.TXT")) << "nothing to rename";
    EXPECT_FALSE(CUtil::RenameIfExists(files, "E:\\GSM\\TQ270.TXT", "E:\\GSM\\B.TXT"));
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/B.TXT")), "b");
}

// Opening a FIFO for reading waits for a writer: the tool would hang on a
// card that holds one where its file should be.
TEST_F(FileSystemTest, SpecialFilesAreUnreadableWithoutBlocking)
{
    const fs::path fifo = drives.native('E', "GSM/FIFO.TXT");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_EQ(files.readFile("E:\\GSM\\FIFO.TXT"), std::nullopt);
    EXPECT_FALSE(files.writeFile("E:\\GSM\\FIFO.TXT", "x")) << "a FIFO is not replaced by a file";
    EXPECT_EQ(files.readFile("E:\\GSM"), std::nullopt) << "a folder is no file";
}

TEST_F(FileSystemTest, AFileOverTheLimitIsNotRead)
{
    const std::string limitSized(4096, 'x');
    TestDrives::writeText(drives.native('E', "GSM/BIG.TXT"), limitSized + "y");
    EXPECT_EQ(files.readFile("E:\\GSM\\BIG.TXT", limitSized.size()), std::nullopt);
    TestDrives::writeText(drives.native('E', "GSM/BIG.TXT"), limitSized);
    EXPECT_EQ(files.readFile("E:\\GSM\\BIG.TXT", limitSized.size()), limitSized);
}

TEST_F(FileSystemTest, TheHeadOfAFileOfAnySizeIsRead)
{
    TestDrives::writeText(drives.native('E', "GSM/BIG.BIN"), std::string(70000, 'a') + "tail");
    EXPECT_EQ(files.readFileHead("E:\\GSM\\BIG.BIN", 10), std::string(10, 'a'));
    EXPECT_EQ(files.readFileHead("E:\\GSM\\BIG.BIN", 70004)->substr(70000), "tail");
    EXPECT_EQ(files.readFileHead("E:\\GSM\\TQ270.TXT", 10), "old") << "a shorter file comes whole";
    const fs::path fifo = drives.native('E', "GSM/FIFO.BIN");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    EXPECT_EQ(files.readFileHead("E:\\GSM\\FIFO.BIN", 10), std::nullopt);
}

// The new file takes the old one's place in one step, or nothing changes.
TEST_F(FileSystemTest, ReplaceSwapsInTheNewFileOrLeavesTheOldOne)
{
    TestDrives::writeText(drives.native('E', "GSM/.new.tmp"), "new");
    ASSERT_TRUE(files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));
    EXPECT_FALSE(files.replace("E:\\GSM\\.new.tmp", "E:\\GSM\\TQ270.TXT"));
    EXPECT_EQ(files.lastError(), "the file is read-only");
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/TQ270.TXT")), "old");

    CUtil::ClearReadOnlyAttribute(files, "E:\\GSM\\TQ270.TXT");
    EXPECT_TRUE(files.replace("E:\\GSM\\.new.tmp", "E:\\GSM\\TQ270.TXT"));
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/TQ270.TXT")), "new");
    EXPECT_FALSE(fs::exists(drives.native('E', "GSM/.new.tmp")));

    fs::create_directories(drives.native('E', "GSM/DIR.TXT"));
    TestDrives::writeText(drives.native('E', "GSM/.new.tmp"), "new");
    EXPECT_FALSE(files.replace("E:\\GSM\\.new.tmp", "E:\\GSM\\DIR.TXT"));
    EXPECT_TRUE(fs::is_directory(drives.native('E', "GSM/DIR.TXT")));
}

// A failure names its cause, so the user can act on it.
TEST_F(FileSystemTest, AFailedWriteSaysWhy)
{
    struct Case
    {
        const char* path;
        const char* cause;
    } const cases[] = {
        {"E:\\NOFOLDER\\TQ270.TXT", "the folder does not exist"},
        {"F:\\GSM\\TQ270.TXT", "no drive F:"},
        {"E:\\GSM", "something other than a file stands there"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(files.writeFile(c.path, "x")) << c.path;
        EXPECT_EQ(files.lastError(), c.cause) << c.path;
    }
    ASSERT_TRUE(files.setAttributes("E:\\GSM\\TQ270.TXT", FileAttribute::ReadOnly));
    EXPECT_FALSE(files.deleteFile("E:\\GSM\\TQ270.TXT"));
    EXPECT_EQ(files.lastError(), "the file is read-only");
    EXPECT_FALSE(files.createDirectory("E:\\GSM"));
    EXPECT_EQ(files.lastError(), "File exists");
}

TEST_F(FileSystemTest, FreeSpaceIsTheVolumes)
{
    const auto free = files.freeSpace("E:\\GSM");
    ASSERT_TRUE(free.has_value());
    // Other programs write meanwhile: the two figures only come close.
    const auto expected = static_cast<double>(fs::space(drives.native('E', "GSM")).available);
    EXPECT_NEAR(static_cast<double>(*free), expected, 64.0 * 1024 * 1024);
    EXPECT_EQ(files.freeSpace("F:\\"), std::nullopt);
}

// A card may hold links that lead anywhere on the PC; the tool acts only in
// the folder its drive letter stands for.
class FileSystemLinkTest : public FileSystemTest
{
protected:
    FileSystemLinkTest() : outside(drives.base() / "outside")
    {
        fs::create_directories(outside);
        TestDrives::writeText(outside / "TQ270.TXT", "[KRTFileMark]\r\nModel=TQ270\r\n");
    }

    [[nodiscard]] mode_t outsideMode() const
    {
        struct stat st{};
        ::stat((outside / "TQ270.TXT").c_str(), &st);
        return st.st_mode & 07777;
    }

    fs::path outside;
};

TEST_F(FileSystemLinkTest, AFolderLinkLeavingTheDriveIsRefused)
{
    fs::create_directory_symlink(outside, drives.native('E', "LINKED"));
    EXPECT_EQ(files.nativePath("E:\\LINKED\\TQ270.TXT"), std::nullopt);
    EXPECT_FALSE(files.writeFile("E:\\LINKED\\NEW.TXT", "x"));
    EXPECT_EQ(files.readFile("E:\\LINKED\\TQ270.TXT"), std::nullopt);
    EXPECT_FALSE(files.isDirectory("E:\\LINKED"));
    EXPECT_FALSE(files.deleteFile("E:\\LINKED\\TQ270.TXT"));
    EXPECT_FALSE(fs::exists(outside / "NEW.TXT")) << "nothing is written off the drive";
    EXPECT_TRUE(fs::exists(outside / "TQ270.TXT"));
    EXPECT_EQ(files.nativePath("E:\\GSM\\..\\..\\outside\\TQ270.TXT"), std::nullopt) << "no climbing out";
}

TEST_F(FileSystemLinkTest, AFolderLinkWithinTheDriveIsFollowed)
{
    fs::create_directory_symlink(drives.native('E', "GSM"), drives.native('E', "ALIAS"));
    EXPECT_TRUE(files.writeFile("E:\\ALIAS\\NEW.TXT", "x"));
    EXPECT_EQ(TestDrives::readText(drives.native('E', "GSM/NEW.TXT")), "x");
}

TEST_F(FileSystemLinkTest, AttributeChangesNeverFollowALink)
{
    ::chmod((outside / "TQ270.TXT").c_str(), 0444);
    fs::create_symlink(outside / "TQ270.TXT", drives.native('E', "GSM/LINK.TXT"));

    CUtil::ClearReadOnlyAttribute(files, "E:\\GSM\\LINK.TXT");
    EXPECT_FALSE(files.setAttributes("E:\\GSM\\LINK.TXT", FileAttribute::Normal));
    EXPECT_EQ(outsideMode(), 0444u) << "the file the link points to keeps its read-only mark";
    EXPECT_EQ(files.readFile("E:\\GSM\\LINK.TXT"), std::nullopt) << "a link is not read through";
    EXPECT_FALSE(files.writeFile("E:\\GSM\\LINK.TXT", "x"));
    EXPECT_EQ(TestDrives::readText(outside / "TQ270.TXT"), "[KRTFileMark]\r\nModel=TQ270\r\n");
}

TEST_F(FileSystemTest, LeftoverTemporariesAreRemovedAndNothingElse)
{
    for (const char* name : {".krt-save-a1B2c3.tmp", ".krt-Zx81Qw", ".krt-save-short.tmp", "notes.tmp", ".krt-config"})
        TestDrives::writeText(drives.native('E', std::string("GSM/") + name), "junk");
    files.removeSaveTemporaries("E:\\GSM\\");
    EXPECT_EQ(files.list("E:\\GSM"),
              (std::vector<std::string>{".krt-Zx81Qw", ".krt-config", ".krt-save-short.tmp", "TQ270.TXT", "notes.tmp"}));
}

TEST_F(FileSystemTest, ANewFileDoesNotInheritTheTemporarysHiddenMark)
{
    if (::setxattr(drives.native('E', "GSM/TQ270.TXT").c_str(), "user.krt.probe", "1", 1, 0) != 0)
        GTEST_SKIP() << "this file system keeps no user extended attributes";
    ASSERT_TRUE(files.writeFile("E:\\GSM\\NEW.TXT", "x"));
    ASSERT_TRUE(files.writeFile("E:\\GSM\\TQ270.TXT", "y"));
    EXPECT_EQ(*files.attributes("E:\\GSM\\NEW.TXT") & FileAttribute::Hidden, 0u);
    EXPECT_EQ(*files.attributes("E:\\GSM\\TQ270.TXT") & FileAttribute::Hidden, 0u);
}

TEST_F(FileSystemTest, TheSameFileUnderTwoLettersIsRecognised)
{
    drives.map().set('F', drives.native('E', "").string());
    TestDrives::writeText(drives.native('E', "GSM/OTHER.TXT"), "old");
    EXPECT_TRUE(files.isSameFile("E:\\GSM\\TQ270.TXT", "F:\\GSM\\TQ270.TXT"));
    EXPECT_FALSE(files.isSameFile("E:\\GSM\\TQ270.TXT", "F:\\GSM\\OTHER.TXT"));
    EXPECT_FALSE(files.isSameFile("E:\\GSM\\TQ270.TXT", "E:\\GSM\\MISSING.TXT"));
}

} // namespace
