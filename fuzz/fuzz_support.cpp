#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace tandem::fuzz {

namespace fs = std::filesystem;

SessionPair SplitSessions(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find(SessionSeparator);
    if (cut == std::string_view::npos)
        return { input, {} };
    return { input.substr(0, cut), input.substr(cut + SessionSeparator.size()) };
}

namespace {

fs::path scratchBase()
{
    std::error_code error;
    if (!std::getenv("TMPDIR") && fs::is_directory("/dev/shm", error))
        return "/dev/shm";
    return fs::temp_directory_path();
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& name)
    : root_(scratchBase() / ("tandem-fuzz-" + name + "-" + std::to_string(::getpid())))
{
    fs::remove_all(root_);
    fs::create_directories(root_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code error;
    fs::remove_all(root_, error);
}

fs::path ScratchFolder::Folder(const std::string& name) const
{
    const fs::path folder = root_ / name;
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const fs::path& path, std::string_view content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    Require(static_cast<bool>(out.flush()), "the input session could not be written to the scratch folder");
}

std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "\nfuzz check failed: %s\n", what);
    std::abort();
}

} // namespace tandem::fuzz
