#pragma once

#include "append_session.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::test {

// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string Path(const std::string& name = {}) const;
    std::string Write(const std::string& name, std::string_view content) const;
    std::string Read(const std::string& name) const;
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

// Joins lines with LF, as Audition saves them.
std::string Session(std::initializer_list<std::string_view> lines);

// Splits written output at its CR LF line ends.
std::vector<std::string> OutputLines(const std::string& output);

// Merges two session texts through AppendSession (as "One.sesx" and
// "Two.sesx") and returns the lines of the combined file; the merge must
// succeed.
std::vector<std::string> MergeLines(
    std::string_view session1, std::string_view session2, const engine::AppendOptions& options = {});

// The same, keeping the outcome for tests of failures.
engine::AppendOutcome MergeOutcome(const TempDir& dir, std::string_view session1, std::string_view session2,
    const engine::AppendOptions& options = {});

} // namespace tandem::test
