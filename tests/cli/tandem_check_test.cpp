#include "tool_run.h"

#include "tandem_version.h"

namespace tandem::test {
namespace {

class TandemCheckTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        write("in/Clean.sesx",
            "<sesx>\n<session>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n"
            "</session>\n</sesx>\n");
        write("in/Broken.sesx",
            "<sesx>\n<session>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n"
            "<trackOutput outputID=\"10004\" type=\"trackID\"/>\n</audioTrack>\n"
            "<busTrack id=\"10001\" index=\"2\">\n</busTrack>\n</tracks>\n</session>\n</sesx>\n");
    }
    ToolRun run(const std::string& arguments) { return runTool(TANDEM_CHECK_PATH, arguments); }
};

TEST_F(TandemCheckTest, CleanFilesAreOk)
{
    const ToolRun result = run(quoted("in/Clean.sesx"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, path("in/Clean.sesx") + ": OK\n");
}

TEST_F(TandemCheckTest, FindingsArePrintedWithTheirLinesPerFile)
{
    const ToolRun result = run(quoted("in/Broken.sesx") + " " + quoted("in/Clean.sesx"));
    EXPECT_EQ(result.exitCode, 1);
    const std::string broken = path("in/Broken.sesx");
    EXPECT_EQ(result.out,
        broken + ":5: Track 10001 sends its output to track 10004, which does not exist.\n" + broken +
            ":7: Track id 10001 is used a second time (first on line 4).\n" + path("in/Clean.sesx") + ": OK\n");
}

// Every file is checked even when one cannot be read, and that weighs most.
TEST_F(TandemCheckTest, AnUnreadableFileExitsTwo)
{
    const ToolRun result = run(quoted("in/Missing.sesx") + " " + quoted("in/Broken.sesx"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, path("in/Missing.sesx") + ": cannot be read: File not found (error 53)\n");
    EXPECT_NE(result.out.find(":7: Track id 10001"), std::string::npos);
}

TEST_F(TandemCheckTest, UsageHelpAndVersion)
{
    const ToolRun none = run("");
    EXPECT_EQ(none.exitCode, 64);
    EXPECT_NE(none.err.find("Usage: tandem-check"), std::string::npos);
    EXPECT_EQ(run("--strict " + quoted("in/Clean.sesx")).exitCode, 64);
    const ToolRun help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: tandem-check", 0), 0u);
    EXPECT_EQ(run("--version").out, "tandem-check " TANDEM_VERSION "\n");
}

} // namespace
} // namespace tandem::test
