#include "fake_volumes.h"

#include <gtest/gtest.h>

#include <map>

#include <filesystem>
#include <fstream>
#include <random>

namespace tandem::platform {
namespace {

namespace fs = std::filesystem;

class VolumesTest : public testing::Test {
protected:
    void SetUp() override
    {
        base_ = fs::temp_directory_path() / ("tandem-volumes-" + std::to_string(std::random_device{}()));
        fs::create_directories(base_ / "sys" / "media" / "usb");
        fs::create_directories(base_ / "sys" / "home");
        volumes_.AddDrive('C', base_ / "sys", DriveTypes::Fixed);
        volumes_.AddDrive('D', base_ / "sys" / "media" / "usb", DriveTypes::Removable);
    }
    void TearDown() override { fs::remove_all(base_); }

    std::string path(const std::string& tail) const { return (base_ / tail).string(); }

    fs::path base_;
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
    volumes_.SetCurrentDirectory(path("sys/media/usb/Audio"));
    EXPECT_EQ(volumes_.CurrentDriveLetter(), 'D');
}

TEST_F(VolumesTest, FolderListingGivesAttributesAndStopsWhenAsked)
{
    fs::create_directory(base_ / "sys" / ".cache");
    std::ofstream(base_ / "sys" / "notes.txt") << "x";
    std::map<std::string, FolderEntry> entries;
    EXPECT_TRUE(ListFolder(path("sys"), [&](const FolderEntry& entry) {
        entries[entry.name] = entry;
        return true;
    }));
    EXPECT_EQ(entries.size(), 6u); // ".", "..", .cache, home, media, notes.txt
    EXPECT_TRUE(entries["home"].directory);
    EXPECT_FALSE(entries["home"].hidden);
    EXPECT_TRUE(entries[".cache"].hidden);
    EXPECT_FALSE(entries["notes.txt"].directory);

    int visited = 0;
    ListFolder(path("sys"), [&](const FolderEntry&) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);
    EXPECT_FALSE(ListFolder(path("missing"), [](const FolderEntry&) { return true; }));
}

} // namespace
} // namespace tandem::platform
