#include "tandem_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What the tool printed, with the line ends a Windows console adds taken out.
std::string textOf(const fs::path& path)
{
    std::string text = readAll(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Runs the real tandem-append in its own folder, as a user would.
class TandemAppendTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tandem-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_ / "in");
        fs::create_directories(dir_ / "out");
        write(
            "in/First.sesx", "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n");
        write("in/Second.sesx", "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n</tracks>\n");
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    // `name` is written with "/"; the path has the platform's separators.
    std::string path(const std::string& name) const { return (dir_ / fs::path(name).make_preferred()).string(); }

    ToolRun run(const std::string& arguments)
    {
        const std::string command =
            "\"" TANDEM_APPEND_PATH "\" " + arguments + " > \"" + path("stdout") + "\" 2> \"" + path("stderr") + "\"";
#ifdef _WIN32
        // cmd strips one pair of quotes around the whole command line.
        const int status = std::system(("\"" + command + "\"").c_str());
        const int code = status;
#else
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return { code, textOf(dir_ / "stdout"), textOf(dir_ / "stderr") };
    }

    fs::path dir_;
};

TEST_F(TandemAppendTest, WritesNextToTheFirstSessionAndPrintsThePath)
{
    const ToolRun result = run("\"" + path("in/First.sesx") + "\" \"" + path("in/Second.sesx") + "\"");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string expected = path("in/First + Second.sesx");
    EXPECT_EQ(result.out, expected + "\n");
    EXPECT_EQ(readAll(expected),
        "<?xml?>\r\n<tracks>\r\n<audioTrack id=\"10001\" index=\"2\">\r\n</audioTrack>\r\n"
        "<masterTrack id=\"10000\" index=\"3\">\r\n</masterTrack>\r\n</tracks>\r\n\r\n");
}

TEST_F(TandemAppendTest, TargetOption)
{
    const ToolRun result =
        run("--target \"" + path("out") + "\" \"" + path("in/First.sesx") + "\" \"" + path("in/Second.sesx") + "\"");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path("out/First + Second.sesx") + "\n");
    EXPECT_TRUE(fs::exists(dir_ / "out" / "First + Second.sesx"));
}

TEST_F(TandemAppendTest, ReadFailureExitsOneWithTheMessage)
{
    const ToolRun result = run("\"" + path("in/First.sesx") + "\" \"" + path("in/Missing.sesx") + "\"");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Error 53\nAttempting to open SESX session file\nFile not found\n");
}

TEST_F(TandemAppendTest, WriteFailureExitsTwoWithTheMessage)
{
    const ToolRun result = run("--target \"" + path("no/such/folder") + "\" \"" + path("in/First.sesx") + "\" \"" +
        path("in/Second.sesx") + "\"");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Error 76\nError\nPath not found\n");
}

TEST_F(TandemAppendTest, UsageHelpAndVersion)
{
    const ToolRun wrong = run("only-one.sesx");
    EXPECT_EQ(wrong.exitCode, 64);
    EXPECT_NE(wrong.err.find("Usage: tandem-append"), std::string::npos);
    const ToolRun help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: tandem-append", 0), 0u);
    const ToolRun version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "tandem-append " TANDEM_VERSION "\n");
}

} // namespace
