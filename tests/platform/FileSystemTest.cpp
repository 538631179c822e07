#include "TestDrives.h"
#include "camera/CUtil.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
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

} // namespace
