#include "merge_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace tandem::test {

TempDir::TempDir()
{
    std::random_device random;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("tandem-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_))
            break;
    }
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored))
        std::filesystem::permissions(
            entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Path(const std::string& name) const
{
    return name.empty() ? path_.string() : (path_ / name).string();
}

std::string TempDir::Write(const std::string& name, std::string_view content) const
{
    const std::string full = Path(name);
    std::ofstream(full, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
    return full;
}

std::string TempDir::Read(const std::string& name) const { return ReadFile(path_ / name); }

std::vector<std::string> TempDir::Entries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Session(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const auto line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::vector<std::string> OutputLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "output does not end in CR LF: " << output.substr(start);
            lines.push_back(output.substr(start));
            break;
        }
        lines.push_back(output.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

engine::AppendOutcome MergeOutcome(
    const TempDir& dir, std::string_view session1, std::string_view session2, const engine::AppendOptions& options)
{
    const std::string first = dir.Write("One.sesx", session1);
    const std::string second = dir.Write("Two.sesx", session2);
    return engine::AppendSession(first, second, dir.Path(), options);
}

std::vector<std::string> MergeLines(
    std::string_view session1, std::string_view session2, const engine::AppendOptions& options)
{
    TempDir dir;
    const auto outcome = MergeOutcome(dir, session1, session2, options);
    EXPECT_TRUE(outcome.succeeded) << "error " << outcome.errorNumber << ": " << outcome.description;
    if (!outcome.succeeded)
        return {};
    return OutputLines(ReadFile(outcome.outputPath));
}

} // namespace tandem::test
