#pragma once

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
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

inline std::string repeated(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// What the tool printed, with the line ends a Windows console adds taken out.
inline std::string textOf(const fs::path& path)
{
    std::string text = ReadFile(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Runs the real command-line tools in a folder of their own, with in/ and
// out/ in it, as a user would.
class ToolTest : public testing::Test {
public:
    void SetUp() override
    {
        fs::create_directories(dir_ / "in");
        fs::create_directories(dir_ / "out");
    }
    void TearDown() override
    {
        for (const auto& release : cleanups_)
            release();
    }

    void write(const std::string& name, const std::string& content) { temp_.Write(name, content); }
    std::string path(const std::string& name) const { return temp_.Path(name); }
    std::vector<std::string> entries(const std::string& folder) const { return temp_.Entries(folder); }
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
    TempDir temp_;
    const fs::path dir_ = temp_.path();
    std::vector<std::function<void()>> cleanups_;
};

} // namespace tandem::test
