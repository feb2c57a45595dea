#include "temp_folder.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include <stdlib.h>

namespace tandem::bench {

TempFolder::TempFolder()
{
    const std::string pattern = (std::filesystem::temp_directory_path() / "tandem-bench-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    path_ = name.data();
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(std::string_view name) const { return path_ + "/" + std::string(name); }

} // namespace tandem::bench
