#include "paths.h"

#include <gtest/gtest.h>

namespace tandem::platform {
namespace {

const std::string sep(1, PathSeparator);

TEST(Paths, AddTrailingBackslash)
{
    EXPECT_EQ(AddTrailingBackslash(""), sep);
    EXPECT_EQ(AddTrailingBackslash("D:"), "D:" + sep);
    EXPECT_EQ(AddTrailingBackslash("/mix"), "/mix" + sep);
    EXPECT_EQ(AddTrailingBackslash("/mix/"), "/mix/");
}

// Windows takes both separators; elsewhere "Take\Mix.sesx" is one file name,
// which must never send the combined file into a folder "Take".
TEST(Paths, BackslashIsASeparatorOnlyOnWindows)
{
#ifdef _WIN32
    EXPECT_EQ(AddTrailingBackslash("D:\\Mix\\"), "D:\\Mix\\");
    EXPECT_EQ(GetFileName("D:\\Mix\\Take A.sesx"), "Take A.sesx");
    EXPECT_EQ(GetFileName("C:/mixed\\path/x.sesx"), "x.sesx");
    EXPECT_EQ(FolderOfPath("D:\\b.sesx"), "D:");
#else
    EXPECT_EQ(AddTrailingBackslash("/mix\\"), "/mix\\/");
    EXPECT_EQ(GetFileName("/audio/Take\\Mix.sesx"), "Take\\Mix.sesx");
    EXPECT_EQ(FolderOfPath("/audio/Take\\Mix.sesx"), "/audio");
    EXPECT_EQ(FolderOfPath("Take\\Mix.sesx"), "");
#endif
}

TEST(Paths, GetFileNameTakesTheTextAfterTheLastSeparator)
{
    EXPECT_EQ(GetFileName("/home/ed/Take B.sesx"), "Take B.sesx");
    EXPECT_EQ(GetFileName("bare.sesx"), "bare.sesx");
    EXPECT_EQ(GetFileName("/folder/"), "");
}

TEST(Paths, FolderOfPath)
{
    EXPECT_EQ(FolderOfPath("/a/b.sesx"), "/a");
    EXPECT_EQ(FolderOfPath("/b.sesx"), "/");
    EXPECT_EQ(FolderOfPath("b.sesx"), "");
}

} // namespace
} // namespace tandem::platform
