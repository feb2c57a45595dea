#include "paths.h"

namespace tandem::platform {

namespace {

std::string::size_type lastSeparator(const std::string& path)
{
#ifdef _WIN32
    return path.find_last_of("/\\");
#else
    return path.rfind('/');
#endif
}

} // namespace

std::string AddTrailingBackslash(std::string path)
{
    if (path.empty() || !IsPathSeparator(path.back()))
        path.push_back(PathSeparator);
    return path;
}

std::string GetFileName(const std::string& path)
{
    const auto sep = lastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string FolderOfPath(const std::string& path)
{
    const auto sep = lastSeparator(path);
    if (sep == std::string::npos)
        return {};
    return path.substr(0, sep == 0 ? 1 : sep);
}

} // namespace tandem::platform
