#include "fake_volumes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <map>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tandem::platform {
namespace {

namespace fs = std::filesystem;

class VolumesTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(base_ / "sys" / "media" / "usb");
        fs::create_directories(base_ / "sys" / "home");
        volumes_.AddDrive('C', base_ / "sys", DriveTypes::Fixed);
        volumes_.AddDrive('D', base_ / "sys" / "media" / "usb", DriveTypes::Removable);
    }
    std::string path(const std::string& tail) const { return dir_.Path(tail); }

    test::TempDir dir_;
    const fs::path base_ = dir_.path();
    test::FakeVolumes volumes_;
};

TEST_F(VolumesTest, LettersAndRoots)
{
    EXPECT_EQ(volumes_.PresentLetters(), "CD");
    EXPECT_EQ(volumes_.RootOfLetter('d'), path("sys/media/usb/"));
    EXPECT_EQ(volumes_.RootOfLetter('Q'), "Q:\\");
}

TEST_F(VolumesTest, TheInnermostMountHoldsAPath)
{
    EXPECT_EQ(volumes_.DriveRootOf(path("sys/home/x.sesx")), path("sys/"));
    EXPECT_EQ(volumes_.DriveRootOf(path("sys/media/usb/Audio")), path("sys/media/usb/"));
    EXPECT_EQ(volumes_.DriveRootOf(path("sys/media/usb")), path("sys/media/usb/"));
    EXPECT_EQ(volumes_.DriveRootOf("/elsewhere"), "");
    volumes_.SetCurrentFolder(path("sys/media/usb/Audio"));
    EXPECT_EQ(volumes_.CurrentDriveLetter(), 'D');
}

// What counts as hidden: the hidden attribute on Windows, a leading dot
// elsewhere.
void makeHidden(const fs::path& path)
{
#ifdef _WIN32
    SetFileAttributesW(path.wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
#else
    (void)path;
#endif
}

TEST_F(VolumesTest, FolderListingGivesAttributesAndStopsWhenAsked)
{
    fs::create_directory(base_ / "sys" / ".cache");
    makeHidden(base_ / "sys" / ".cache");
    dir_.Write("sys/notes.txt", "x");
    std::map<std::string, FolderEntry> entries;
    EXPECT_TRUE(ListFolder(path("sys"), [&](const FolderEntry& entry) {
        entries[entry.name] = entry;
        return true;
    }));
    EXPECT_EQ(entries.size(), 6u); // ".", "..", .cache, home, media, notes.txt
    EXPECT_TRUE(entries["home"].directory);
    EXPECT_FALSE(entries["home"].hidden);
    EXPECT_FALSE(entries["home"].system);
    EXPECT_TRUE(entries[".cache"].hidden);
    EXPECT_FALSE(entries["notes.txt"].directory);

    int visited = 0;
    ListFolder(path("sys"), [&](const FolderEntry&) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);
    EXPECT_FALSE(ListFolder(path("missing"), [](const FolderEntry&) { return true; }));
}

#ifdef _WIN32
TEST_F(VolumesTest, HiddenAndSystemAttributesOnWindows)
{
    fs::create_directory(base_ / "sys" / "Secret");
    fs::create_directory(base_ / "sys" / "Boot");
    SetFileAttributesW((base_ / "sys" / "Secret").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((base_ / "sys" / "Boot").wstring().c_str(), FILE_ATTRIBUTE_SYSTEM);
    std::map<std::string, FolderEntry> entries;
    ListFolder(path("sys"), [&](const FolderEntry& entry) {
        entries[entry.name] = entry;
        return true;
    });
    EXPECT_TRUE(entries["Secret"].hidden);
    EXPECT_FALSE(entries["Secret"].system);
    EXPECT_TRUE(entries["Boot"].system);
    EXPECT_FALSE(entries["Boot"].hidden);
    EXPECT_TRUE(entries["Boot"].directory);
}
#else
TEST_F(VolumesTest, LinksAndSpecialFilesOnPosix)
{
    fs::create_directory_symlink(base_ / "sys" / "home", base_ / "sys" / "linked");
    fs::create_symlink(base_ / "sys" / "gone", base_ / "sys" / "dangling");
    std::map<std::string, FolderEntry> entries;
    ListFolder(path("sys"), [&](const FolderEntry& entry) {
        entries[entry.name] = entry;
        return true;
    });
    EXPECT_TRUE(entries["linked"].directory);
    EXPECT_TRUE(entries["linked"].link);
    EXPECT_FALSE(entries["home"].link);
    // Neither a file nor a folder: the scan leaves it out.
    EXPECT_TRUE(entries["dangling"].system);
}
#endif

} // namespace
} // namespace tandem::platform
