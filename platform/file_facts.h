#pragma once

#include <cstdint>
#include <string>

namespace tandem::platform {

// What the file lists show of a file.
struct FileFacts {
    std::int64_t size = 0;
    // When the file was created, in seconds since 1970-01-01 UTC; where the
    // file system keeps no creation time, when its status last changed.
    std::int64_t createdSeconds = 0;
};

// Returns a Tandem error number, 0 on success.
int ReadFileFacts(const std::string& path, FileFacts& out);

} // namespace tandem::platform
