#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::fuzz {

// Where one input is cut into two session texts. Everything before the
// first occurrence is the first session, everything after it the second; an
// input without it is all first session and an empty second one.
constexpr std::string_view SessionSeparator = "\n----8<----\n";

struct SessionPair {
    std::string_view first;
    std::string_view second;
};

SessionPair SplitSessions(const std::uint8_t* data, std::size_t size);

// A folder of the fuzz target's own, made once per process and removed with
// its content at exit. It lives in memory where the system offers a place
// for that, because every run writes and syncs files in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // A subfolder, made when first asked for.
    std::filesystem::path Folder(const std::string& name) const;

private:
    std::filesystem::path root_;
};

void WriteFile(const std::filesystem::path& path, std::string_view content);

// Names of the entries in `folder`, sorted.
std::vector<std::string> Entries(const std::filesystem::path& folder);

// Ends the run as a finding when `condition` is false: libFuzzer keeps the
// input that led here.
void Require(bool condition, const char* what);

} // namespace tandem::fuzz
