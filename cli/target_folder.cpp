#include "target_folder.h"

#include "paths.h"

#include <filesystem>
#include <system_error>

namespace tandem::cli {

std::string TargetFolder(const std::string& given, const std::string& firstPath)
{
    std::string folder = given.empty() ? platform::FolderOfPath(firstPath) : given;
    if (folder.empty())
        folder.assign(1, '.');
    std::error_code error;
    const auto absolute = std::filesystem::absolute(std::filesystem::u8path(folder), error);
    if (error)
        return folder;
    std::string full = absolute.u8string();
    // "dir/." reads badly in the printed path; the folder itself is meant.
    if (full.size() > 2 && full.back() == '.' && platform::IsPathSeparator(full[full.size() - 2]))
        full.resize(full.size() - 2);
    return full;
}

} // namespace tandem::cli
