#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::test {

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// A fresh folder under the system's temporary folder, removed with its
// content when the test ends, even where a test took its write permission.
// Names are written with "/"; paths have the platform's separators.
class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        do
            path_ = std::filesystem::temp_directory_path() / ("tandem-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempDir()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string Path(const std::string& name = {}) const
    {
        return name.empty() ? path_.string() : (path_ / std::filesystem::path(name).make_preferred()).string();
    }
    // Makes the folders the name needs.
    std::string Write(const std::string& name, std::string_view content) const
    {
        const std::filesystem::path full = Path(name);
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
        return full.string();
    }
    std::string Read(const std::string& name) const { return ReadFile(Path(name)); }
    // The names in the folder or one of its folders, sorted.
    std::vector<std::string> Entries(const std::string& folder = {}) const
    {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Path(folder), error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

} // namespace tandem::test
