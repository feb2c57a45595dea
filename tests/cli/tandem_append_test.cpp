#include "tool_run.h"

#include "tandem_version.h"

namespace tandem::test {
namespace {

class TandemAppendTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        write(
            "in/First.sesx", "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n");
        write("in/Second.sesx", "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n</tracks>\n");
    }
    ToolRun run(const std::string& arguments) { return runTool(TANDEM_APPEND_PATH, arguments); }
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

TEST_F(TandemAppendTest, VerifyReportsProblemsOfTheNewSessionAndKeepsIt)
{
    const ToolRun clean = run("--verify " + quoted("in/First.sesx") + " " + quoted("in/Second.sesx"));
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.err, "");

    write("in/Lost.sesx",
        "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n<audioClip fileID=\"4\" id=\"0\" name=\"Lost\"/>\n"
        "</audioTrack>\n</tracks>\n");
    const ToolRun dangling = run("--verify " + quoted("in/First.sesx") + " " + quoted("in/Lost.sesx"));
    const std::string output = path("in/First + Lost.sesx");
    EXPECT_EQ(dangling.exitCode, 3);
    EXPECT_EQ(dangling.out, output + "\n");
    EXPECT_EQ(dangling.err,
        "tandem-append: the new session has problems that Audition may not load correctly:\n" + output +
            ":4: Clip \"Lost\" uses media file 5, which is not in the file list.\n");
    EXPECT_TRUE(fs::exists(output));
}

TEST_F(TandemAppendTest, DifferentSampleRatesAreRefusedUnlessForced)
{
    write("in/At48.sesx",
        "<sesx>\n<session sampleRate=\"48000\">\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n"
        "</tracks>\n</session>\n</sesx>\n");
    write("in/At44.sesx",
        "<sesx>\n<session sampleRate=\"44100\">\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n"
        "</tracks>\n</session>\n</sesx>\n");
    const std::string pair = quoted("in/At48.sesx") + " " + quoted("in/At44.sesx");
    const ToolRun refused = run(pair);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
        "tandem-append: File 1 runs at 48000 Hz and File 2 at 44100 Hz.\n\nThe clips of File 2 will be placed at the "
        "wrong times in the combined session.\nUse --force to combine them anyway.\n");
    EXPECT_FALSE(fs::exists(path("in/At48 + At44.sesx")));

    const ToolRun forced = run("--force --verify " + pair);
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_TRUE(fs::exists(path("in/At48 + At44.sesx")));
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
} // namespace tandem::test
