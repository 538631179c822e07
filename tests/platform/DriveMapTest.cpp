#include "TestDrives.h"
#include "platform/DriveMap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A mistyped entry used to vanish without a word, and with it the card.
TEST(DriveMapVariable, EntriesThatAreNoDriveAreNamed)
{
    std::vector<std::string> problems;
    const DriveMap map = DriveMap::fromVariable("E:/x;E=;B=/b;C=/c;;F=/f", &problems);
    EXPECT_EQ(map.nativeRoot('C'), "/c");
    EXPECT_EQ(map.nativeRoot('F'), "/f");
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "KRT_DRIVES: \"E:/x\" left out: an entry is LETTER=FOLDER, such as E=/media/me/CARD",
                            "KRT_DRIVES: \"E=\" left out: no folder after the \"=\"",
                            "KRT_DRIVES: \"B=/b\" left out: the drive is one letter from C to Z",
                        }));
}

// Without C: a save kept no backup and the sound had no staging folder, and
// SAVE still said it had saved.
TEST(DriveMapVariable, CIsTheToolsOwnFolderWhenTheVariableMapsNone)
{
    TestDrives drives;
    const fs::path data = drives.base() / "data";
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ::setenv("KRT_DRIVES", "E=/media/me/CARD;E:/typo", 1);
    const DriveMap map = DriveMap::fromEnvironment();
    ::unsetenv("KRT_DRIVES");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(map.nativeRoot('C'), (data / "krt-config" / "drive_c").string());
    EXPECT_TRUE(fs::is_directory(data / "krt-config" / "drive_c"));
    EXPECT_EQ(map.nativeRoot('E'), "/media/me/CARD");
    ASSERT_EQ(map.problems().size(), 1u);
    EXPECT_NE(map.problems()[0].find("\"E:/typo\""), std::string::npos);
}

TEST(DriveMapVariable, ParsesLettersAndSkipsWhatIsNotADrive)
{
    const DriveMap map = DriveMap::fromVariable(" C=/home/me/c ; e:=/media/me/CARD;B=/b;Q;R=;AA=/x;F=/path=with=equals;");
    EXPECT_EQ(map.nativeRoot('C'), "/home/me/c");
    EXPECT_EQ(map.nativeRoot('E'), "/media/me/CARD");
    EXPECT_EQ(map.nativeRoot('e'), "/media/me/CARD");
    EXPECT_EQ(map.nativeRoot('F'), "/path=with=equals");
    EXPECT_EQ(map.nativeRoot('B'), std::nullopt) << "A: and B: are not drive roots of the tool";
    EXPECT_EQ(map.nativeRoot('Q'), std::nullopt);
    EXPECT_EQ(map.nativeRoot('R'), std::nullopt);
    EXPECT_EQ(map.nativeRoot('D'), std::nullopt);
}

TEST(DriveMapMounts, KeepsRemovableVolumesInSortedOrder)
{
    const char* mountinfo =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "30 22 0:25 / /proc rw,nosuid - proc proc rw\n"
        "61 22 8:33 / /run/media/me/SD\\040CARD rw,nosuid shared:40 - vfat /dev/sdc1 rw\n"
        "62 22 8:17 / /media/me/CAM rw,nosuid shared:41 - vfat /dev/sdb1 rw\n"
        "63 22 8:49 / /mnt/usb rw shared:42 - exfat /dev/sdd1 rw\n"
        "64 22 0:50 / /mnt rw shared:43 - tmpfs tmpfs rw\n"
        "65 22 0:51 / /mediafiles rw shared:44 - ext4 /dev/sde1 rw\n"
        "66 22 8:17 / /media/me/CAM rw,nosuid shared:41 - vfat /dev/sdb1 rw\n"
        "broken line\n";
    EXPECT_EQ(DriveMap::removableMountPoints(mountinfo),
              (std::vector<std::string>{"/media/me/CAM", "/mnt/usb", "/run/media/me/SD CARD"}));
}

// Only what can be a camera's card gets a letter: a share or a system disk
// under /mnt would otherwise sort after the card and become the save target.
TEST(DriveMapMounts, OnlyWritableFatOrExfatVolumesOncePerVolume)
{
    const char* mountinfo =
        "70 22 8:17 / /media/me/CARD rw,nosuid shared:41 - vfat /dev/sdb1 rw\n"
        "71 22 0:60 / /mnt/nas rw,relatime shared:50 - nfs4 nas:/share rw,vers=4.2\n"
        "72 22 0:61 / /mnt/smb rw shared:51 - cifs //nas/photos rw\n"
        "73 22 8:2 / /mnt/system ro,relatime shared:52 - ext4 /dev/sda2 ro\n"
        "74 22 8:33 / /media/me/LOCKED ro,nosuid shared:53 - vfat /dev/sdc1 ro\n"
        "75 22 8:49 / /media/me/WIN rw,nosuid shared:54 - fuseblk /dev/sdd1 rw,user_id=0\n"
        "76 22 8:65 / /media/me/BIG rw,nosuid shared:55 - fuseblk.exfat /dev/sde1 rw,user_id=0\n"
        "77 22 8:17 / /mnt/card-again rw shared:41 - vfat /dev/sdb1 rw\n"
        "78 22 8:17 /DCIM /mnt/dcim rw shared:41 - vfat /dev/sdb1 rw\n"
        "79 22 8:81 / /media/me/SDXC rw,nosuid shared:56 - exfat /dev/sdf1 rw\n"
        "80 22 8:97 / /media/me/OLD rw,nosuid shared:57 - msdos /dev/sdg1 rw\n"
        "81 22 8:113 / /media/me/RO-SUPER rw,nosuid shared:58 - vfat /dev/sdh1 ro\n";
    const auto ntfs = [](const std::string&) { return std::string("ntfs"); };
    EXPECT_EQ(DriveMap::removableMountPoints(mountinfo, ntfs),
              (std::vector<std::string>{"/media/me/BIG", "/media/me/CARD", "/media/me/OLD", "/media/me/SDXC",
                                        "/mnt/dcim"}))
        << "the second mount of /dev/sdb1 is the same card; its DCIM folder bound elsewhere is another root";
}

// exfat-fuse shows an exFAT card as plain "fuseblk", as ntfs-3g shows a
// Windows disk: what the device holds decides.
TEST(DriveMapMounts, AFuseMountGetsALetterWhenItsDeviceHoldsACardFileSystem)
{
    const char* mountinfo =
        "90 22 0:70 / /media/me/SDXC rw,nosuid shared:60 - fuseblk /dev/sdb1 rw,user_id=0,allow_other\n"
        "91 22 0:71 / /media/me/WINDOWS rw,nosuid shared:61 - fuseblk /dev/sdc1 rw,user_id=0\n"
        "92 22 0:72 / /media/me/OLDCARD rw,nosuid shared:62 - fuseblk /dev/sdd1 rw,user_id=0\n"
        "93 22 0:73 / /media/me/MYSTERY rw,nosuid shared:63 - fuseblk /dev/sde1 rw,user_id=0\n"
        "94 22 0:74 / /media/me/SSHFS rw,nosuid shared:64 - fuse.sshfs me@host: rw,user_id=0\n";
    std::vector<std::string> asked;
    const auto probe = [&asked](const std::string& device) {
        asked.push_back(device);
        if (device == "/dev/sdb1")
            return std::string("exfat");
        if (device == "/dev/sdc1")
            return std::string("ntfs");
        if (device == "/dev/sdd1")
            return std::string("vfat");
        return std::string();
    };
    EXPECT_EQ(DriveMap::removableMountPoints(mountinfo, probe),
              (std::vector<std::string>{"/media/me/OLDCARD", "/media/me/SDXC"}));
    EXPECT_EQ(asked, (std::vector<std::string>{"/dev/sdb1", "/dev/sdc1", "/dev/sdd1", "/dev/sde1"}))
        << "only fuseblk mounts are probed";
}

// The system's own probe on images of the file systems a card may hold and
// one it does not (no udev entry for a file: libblkid reads it).
TEST(DriveMapMounts, TheSystemProbeTellsCardFileSystemsFromOthers)
{
    TestDrives drives;
    struct Case
    {
        const char* command;
        const char* type;
    } const cases[] = {{"mkfs.vfat", "vfat"}, {"mkfs.exfat", "exfat"}, {"mke2fs -q -F -t ext4", "ext4"}};
    int probed = 0;
    for (const Case& c : cases) {
        const fs::path image = drives.base() / (std::string(c.type) + ".img");
        fs::resize_file((TestDrives::writeText(image, ""), image), 8 << 20);
        const std::string make = std::string(c.command) + " " + image.string() + " >/dev/null 2>&1";
        if (std::system(make.c_str()) != 0)
            continue; // the tool is not installed here
        ++probed;
        EXPECT_EQ(VolumeProbe::systemFileSystemType(image.string()), c.type);
    }
    EXPECT_EQ(VolumeProbe::systemFileSystemType((drives.base() / "missing").string()), "");
    if (probed == 0)
        GTEST_SKIP() << "no mkfs program to make an image with";
}

TEST(DriveMapMounts, AutomaticMapPutsThePcOnCAndVolumesFromD)
{
    std::vector<std::string> volumes;
    for (int i = 0; i < 30; ++i)
        volumes.push_back("/media/v" + std::to_string(100 + i));
    const DriveMap map = DriveMap::automatic("/data/drive_c", volumes);
    EXPECT_EQ(map.nativeRoot('C'), "/data/drive_c");
    EXPECT_EQ(map.nativeRoot('D'), "/media/v100");
    EXPECT_EQ(map.nativeRoot('Z'), "/media/v122") << "volumes beyond Z: get no letter";
}

TEST(DriveMapMounts, RescanKeepsLettersOfVolumesStillThere)
{
    DriveMap map = DriveMap::automatic("/c", {"/media/a", "/media/c"});
    map.rescan({"/media/b", "/media/c", "/media/d"});
    EXPECT_EQ(map.nativeRoot('C'), "/c");
    EXPECT_EQ(map.nativeRoot('D'), "/media/b") << "the letter of a gone volume is free again";
    EXPECT_EQ(map.nativeRoot('E'), "/media/c") << "a volume that stayed keeps its letter";
    EXPECT_EQ(map.nativeRoot('F'), "/media/d");
    map.rescan({});
    EXPECT_EQ(map.nativeRoot('D'), std::nullopt);
    EXPECT_EQ(map.nativeRoot('C'), "/c");

    DriveMap byHand = DriveMap::fromVariable("C=/c;E=/e");
    byHand.rescan({"/media/x"});
    EXPECT_EQ(byHand.nativeRoot('D'), std::nullopt) << "a map given by hand stays as given";
    EXPECT_EQ(byHand.nativeRoot('E'), "/e");
}

TEST(DriveMapPaths, TranslatesWindowsPathsAtTheBoundary)
{
    DriveMap map;
    map.set('E', "/media/me/CARD");
    map.set('C', "/c/");
    EXPECT_EQ(map.toNative("E:\\GSM\\TQ270.TXT"), "/media/me/CARD/GSM/TQ270.TXT");
    EXPECT_EQ(map.toNative("e:\\GSM\\"), "/media/me/CARD/GSM/");
    EXPECT_EQ(map.toNative("E:\\"), "/media/me/CARD");
    EXPECT_EQ(map.toNative("E:"), "/media/me/CARD");
    EXPECT_EQ(map.toNative("C:\\TavrinoxaBackup"), "/c/TavrinoxaBackup");
    EXPECT_EQ(map.toNative("F:\\GSM\\TQ270.TXT"), std::nullopt) << "an unmapped letter leads nowhere";
    EXPECT_EQ(map.toNative("/tmp/native"), "/tmp/native");
}

TEST(DriveMapPaths, UsableOnlyWhenTheFolderOpens)
{
    TestDrives drives;
    drives.addDrive('C');
    drives.addDrive('E', false);
    const fs::path file = drives.base() / "plain-file";
    TestDrives::writeText(file, "x");
    drives.map().set('F', file.string());
    const fs::path before = fs::current_path();

    EXPECT_TRUE(drives.map().isUsable('C'));
    EXPECT_FALSE(drives.map().isUsable('E')) << "missing folder";
    EXPECT_FALSE(drives.map().isUsable('F')) << "a file is no drive";
    EXPECT_FALSE(drives.map().isUsable('G')) << "unmapped";
    EXPECT_EQ(fs::current_path(), before) << "the working directory must never move to a card";
}

} // namespace
