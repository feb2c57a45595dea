#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

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

// Runs the real command-line tools in a folder of their own, as a user would.
class ToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tandem-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_ / "in");
        fs::create_directories(dir_ / "out");
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    // `name` is written with "/"; the path has the platform's separators.
    std::string path(const std::string& name) const { return (dir_ / fs::path(name).make_preferred()).string(); }
    std::string quoted(const std::string& name) const { return "\"" + path(name) + "\""; }

    ToolRun runTool(const char* tool, const std::string& arguments)
    {
        const std::string command = "\"" + std::string(tool) + "\" " + arguments + " > \"" + path("stdout") +
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

    fs::path dir_;
};

} // namespace tandem::test
