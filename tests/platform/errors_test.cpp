#include "errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace tandem::platform {
namespace {

TEST(Errors, DescriptionsOfTandemsNumbers)
{
    const std::pair<int, const char*> table[] = { { 5, "Invalid procedure call or argument" }, { 6, "Overflow" },
        { 53, "File not found" }, { 57, "Device I/O error" }, { 61, "Disk full" }, { 70, "Permission denied" },
        { 75, "Path/File access error" }, { 76, "Path not found" } };
    for (const auto& [number, description] : table)
        EXPECT_EQ(ErrorDescription(number), description) << number;
    EXPECT_EQ(ErrorDescription(12345), "Path/File access error");
}

TEST(Errors, ErrnoMapping)
{
    const std::string here = std::filesystem::temp_directory_path().string();
    const std::pair<int, int> table[] = { { EACCES, 70 }, { EPERM, 70 }, { EROFS, 70 }, { EBUSY, 70 }, { ENOSPC, 61 },
        { EIO, 57 }, { ENOTDIR, 76 }, { EISDIR, 75 }, { ELOOP, 75 }, { EINVAL, 75 } };
    for (const auto& [err, number] : table)
        EXPECT_EQ(ErrorFromErrno(err, here + "/x"), number) << err;
    // A missing file in an existing folder, and in a missing one.
    EXPECT_EQ(ErrorFromErrno(ENOENT, here + "/no-such-file"), 53);
    EXPECT_EQ(ErrorFromErrno(ENOENT, here + "/no-such-folder-42/x"), 76);
}

TEST(Errors, Win32Mapping)
{
    const std::pair<unsigned long, int> table[] = { { 2, 53 }, { 3, 76 }, { 5, 70 }, { 32, 70 }, { 33, 70 }, { 19, 70 },
        { 112, 61 }, { 39, 61 }, { 23, 57 }, { 30, 57 }, { 29, 57 }, { 15, 76 }, { 123, 75 }, { 87, 75 },
        { 0xDEAD, 75 } };
    for (const auto& [code, number] : table)
        EXPECT_EQ(ErrorFromWin32(code), number) << code;
}

} // namespace
} // namespace tandem::platform
