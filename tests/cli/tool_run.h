#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tandem::test {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the tool printed, with the line ends a Windows console adds taken out.
inline std::string textOf(const fs::path& path)
{
    std::string text = readAll(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// The names in a folder, sorted.
inline std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the real command-line tools in a folder of their own, with in/ and
// out/ in it, as a user would.
class ToolTest : public testing::Test {
public:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tandem-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_ / "in");
        fs::create_directories(dir_ / "out");
    }
    void TearDown() override
    {
        for (const auto& release : cleanups_)
            release();
        std::error_code error;
        fs::permissions(dir_ / "out", fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(dir_, error);
    }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    // `name` is written with "/"; the path has the platform's separators.
    std::string path(const std::string& name) const { return (dir_ / fs::path(name).make_preferred()).string(); }
    std::string quoted(const std::string& name) const { return "\"" + path(name) + "\""; }
    // Runs when the test is over, before the folder is removed.
    void atEnd(std::function<void()> release) { cleanups_.push_back(std::move(release)); }

    ToolRun runTool(const char* tool, const std::string& arguments)
    {
        const std::string command = runAs + "\"" + std::string(tool) + "\" " + arguments + " > \"" + path("stdout") +
            "\" 2> \"" + path("stderr") + "\"";
#ifdef _WIN32
        // cmd strips one pair of quotes around the whole command line.
        const int code = std::system(("\"" + command + "\"").c_str());
#else
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return { code, textOf(dir_ / "stdout"), textOf(dir_ / "stderr") };
    }

    // Put before the tool: how it is started (another user, say).
    std::string runAs;

protected:
    fs::path dir_;
    std::vector<std::function<void()>> cleanups_;
};

} // namespace tandem::test
