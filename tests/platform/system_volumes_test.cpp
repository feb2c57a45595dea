#include "drive_types.h"
#include "volumes.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tandem::platform {
namespace {

// This machine's own drives, whatever they are: the checks hold anywhere.
TEST(SystemVolumes, TheCurrentFolderLiesOnAPresentDrive)
{
    const Volumes& volumes = SystemVolumes();
    const std::vector<Drive> drives = volumes.Drives();
    ASSERT_FALSE(drives.empty());
    const char current = volumes.CurrentDriveLetter();
    EXPECT_NE(volumes.PresentLetters().find(current), std::string::npos);
    const std::string root = volumes.RootOfLetter(current);
    EXPECT_EQ(volumes.DriveRootOf(volumes.CurrentDirectory()), root);
    EXPECT_GE(volumes.DriveType(root), DriveTypes::Removable);
    volumes.VolumeLabel(root);
}

TEST(SystemVolumes, DriveTypesOfRootsAndFolders)
{
    const Volumes& volumes = SystemVolumes();
    for (const Drive& drive : volumes.Drives()) {
        EXPECT_EQ(volumes.DriveType(drive.root), drive.type) << drive.root;
        EXPECT_NE(drive.type, DriveTypes::NoRootDir) << drive.root;
        EXPECT_TRUE(drive.root.back() == '/' || drive.root.back() == '\\') << drive.root;
    }
    const auto folder = std::filesystem::temp_directory_path() / "tandem-not-a-root";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(volumes.DriveType((folder / "").string()), DriveTypes::NoRootDir);
    std::filesystem::remove(folder);
#ifndef _WIN32
    // The root file system is always the first drive.
    EXPECT_EQ(volumes.Drives().front().root, "/");
    EXPECT_EQ(volumes.Drives().front().letter, 'C');
#endif
}

} // namespace
} // namespace tandem::platform
