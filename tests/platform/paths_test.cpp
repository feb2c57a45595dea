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
    EXPECT_EQ(AddTrailingBackslash("D:\\Mix\\"), "D:\\Mix\\");
}

TEST(Paths, GetFileNameTakesTheTextAfterTheLastSeparator)
{
    EXPECT_EQ(GetFileName("D:\\Mix\\Take A.sesx"), "Take A.sesx");
    EXPECT_EQ(GetFileName("/home/ed/Take B.sesx"), "Take B.sesx");
    EXPECT_EQ(GetFileName("C:/mixed\\path/x.sesx"), "x.sesx");
    EXPECT_EQ(GetFileName("bare.sesx"), "bare.sesx");
    EXPECT_EQ(GetFileName("/folder/"), "");
}

TEST(Paths, FolderOfPath)
{
    EXPECT_EQ(FolderOfPath("/a/b.sesx"), "/a");
    EXPECT_EQ(FolderOfPath("/b.sesx"), "/");
    EXPECT_EQ(FolderOfPath("D:\\b.sesx"), "D:");
    EXPECT_EQ(FolderOfPath("b.sesx"), "");
}

} // namespace
} // namespace tandem::platform
