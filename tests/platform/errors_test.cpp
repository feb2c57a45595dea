#include "errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace tandem::platform {
namespace {

TEST(Errors, ErrnoMapping)
{
    const std::string here = std::filesystem::temp_directory_path().string();
    const std::pair<int, int> table[] = { { EACCES, 70 }, { EROFS, 70 }, { ENOSPC, 61 }, { EIO, 57 }, { ENOTDIR, 76 },
        { EINVAL, 75 } };
    for (const auto& [err, number] : table)
        EXPECT_EQ(ErrorFromErrno(err, here + "/x"), number) << err;
    // A missing file in an existing folder, and in a missing one.
    EXPECT_EQ(ErrorFromErrno(ENOENT, here + "/no-such-file"), 53);
    EXPECT_EQ(ErrorFromErrno(ENOENT, here + "/no-such-folder-42/x"), 76);
}

TEST(Errors, Win32Mapping)
{
    // 32 is a sharing violation: the file is open in another program.
    const std::pair<unsigned long, int> table[] = { { 2, 53 }, { 3, 76 }, { 5, 70 }, { 32, 70 }, { 112, 61 },
        { 0xDEAD, 75 } };
    for (const auto& [code, number] : table)
        EXPECT_EQ(ErrorFromWin32(code), number) << code;
}

} // namespace
} // namespace tandem::platform
