#include "file_system.h"

#include <sys/stat.h>

namespace tandem::platform {

bool FolderExists(const std::string& path)
{
    struct stat st { };
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace tandem::platform
