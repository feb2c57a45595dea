#include "file_system.h"

#include <sys/stat.h>

namespace tandem::platform {

bool FolderExists(const std::string& path)
{
    struct stat st { };
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameFile(const std::string& first, const std::string& second)
{
    struct stat a { };
    struct stat b { };
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
        a.st_ino == b.st_ino;
}

} // namespace tandem::platform
