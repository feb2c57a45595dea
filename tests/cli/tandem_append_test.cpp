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
    EXPECT_EQ(result.err,
        "Error 53\nAttempting to open SESX session file\nFile not found\n" + path("in/Missing.sesx") + "\n");
}

TEST_F(TandemAppendTest, WriteFailureExitsTwoWithTheMessage)
{
    const ToolRun result = run("--target \"" + path("no/such/folder") + "\" \"" + path("in/First.sesx") + "\" \"" +
        path("in/Second.sesx") + "\"");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Error 76\nError\nPath not found\n" + path("no/such/folder/First + Second.sesx") + "\n");
}

TEST_F(TandemAppendTest, TheCheckReportsProblemsOfAllThreeFilesAndKeepsTheNewOne)
{
    const ToolRun clean = run(quoted("in/First.sesx") + " " + quoted("in/Second.sesx"));
    EXPECT_EQ(clean.exitCode, 0) << clean.err;
    EXPECT_EQ(clean.err, "");

    write("in/Lost.sesx",
        "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n<audioClip fileID=\"4\" id=\"0\" name=\"Lost\"/>\n"
        "</audioTrack>\n</tracks>\n");
    const std::string lost = quoted("in/First.sesx") + " " + quoted("in/Lost.sesx");
    const ToolRun dangling = run(lost);
    const std::string output = path("in/First + Lost.sesx");
    EXPECT_EQ(dangling.exitCode, 3);
    EXPECT_EQ(dangling.out, output + "\n");
    EXPECT_EQ(dangling.err,
        "tandem-append: the check of the new session found problems:\n" + output +
            ":4: Clip \"Lost\" uses media file 5, which is not in the file list.\n" + path("in/Lost.sesx") +
            ":4: Clip \"Lost\" uses media file 4, which is not in the file list.\n");
    EXPECT_TRUE(fs::exists(output));
    const ToolRun unchecked = run("--no-verify " + lost);
    EXPECT_EQ(unchecked.exitCode, 0);
    EXPECT_EQ(unchecked.err, "");
}

// Scripts rely on the replacement; -n leaves the file alone.
TEST_F(TandemAppendTest, NoClobberLeavesAnExistingFileAlone)
{
    const std::string pair = quoted("in/First.sesx") + " " + quoted("in/Second.sesx");
    write("in/First + Second.sesx", "edited since");
    const ToolRun kept = run("-n " + pair);
    EXPECT_EQ(kept.exitCode, 2);
    EXPECT_EQ(kept.out, "");
    EXPECT_EQ(kept.err, "Error 58\nError\nFile already exists\n" + path("in/First + Second.sesx") + "\n");
    EXPECT_EQ(readAll(path("in/First + Second.sesx")), "edited since");
    EXPECT_EQ(run(pair).exitCode, 0);
    EXPECT_NE(readAll(path("in/First + Second.sesx")), "edited since");
}

#ifndef _WIN32
// A script that cannot learn the new file's name must not take the run for
// a success.
TEST_F(TandemAppendTest, AnUnprintablePathIsAFailure)
{
    const std::string command = "\"" TANDEM_APPEND_PATH "\" " + quoted("in/First.sesx") + " " +
        quoted("in/Second.sesx") + " > /dev/full 2> " + quoted("stderr");
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_NE(readAll(path("stderr")).find("could not print the new file's path"), std::string::npos);
}
#endif

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

    const ToolRun forced = run("--force " + pair);
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

namespace tandem::test {
namespace {

// Sessions shaped as users' files are, which the merge cannot take apart:
// the check after it must say what did not arrive, whose it was and why.
struct Shape {
    bool master = true;
    bool fileList = true;
    bool video = false;
    // What ends the lines inside each track: "\n", nothing (a track a line)
    // or "\r" (a CR alone in a file of LF line ends).
    const char* insideTrack = "\n";
    // What ends the other lines after the document type: nothing writes the
    // whole session on one line.
    const char* lineEnd = "\n";
};

std::string shapedSession(int tracks, const Shape& shape)
{
    const std::string n = shape.insideTrack;
    const std::string e = shape.lineEnd;
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n<!DOCTYPE sesx>\n"
                       "<sesx version=\"1.9\">" +
        e + "<session duration=\"1000\" sampleRate=\"48000\">" + e + "<tracks>" + e;
    if (shape.video)
        text += "<videoTrack id=\"0\">" + e + "<videoClip fileID=\"" + std::to_string(tracks) +
            "\" id=\"0\" name=\"Film\"/>" + e + "</videoTrack>" + e;
    for (int i = 1; i <= tracks; ++i) {
        const std::string k = std::to_string(i);
        text += "<audioTrack id=\"1000" + k + "\" index=\"" + k + "\">" + n +
            "<trackOutput outputID=\"10000\" type=\"trackID\"/>" + n + "<audioClip fileID=\"" + std::to_string(i - 1) +
            "\" id=\"0\" name=\"Take " + k + "\"/>" + n + "</audioTrack>" + e;
    }
    if (shape.master)
        text += "<masterTrack id=\"10000\" index=\"" + std::to_string(tracks + 1) + "\">" + e +
            "<trackOutput outputID=\"1\" type=\"hardwareOutput\"/>" + e + "</masterTrack>" + e;
    text += "</tracks>" + e + "<clipGroups/>" + e + "</session>" + e;
    if (shape.fileList) {
        text += "<files>" + e;
        for (int i = 0; i < tracks + (shape.video ? 1 : 0); ++i)
            text += "<file id=\"" + std::to_string(i) + "\" relativePath=\"take" + std::to_string(i) + ".wav\"/>" + e;
        text += "</files>" + e;
    }
    return text + "</sesx>\n";
}

struct ShapeRow {
    const char* name;
    std::string first;
    std::string second;
    int exitCode;
    const char* expected; // a line of standard error
};

class ShapeTest : public ToolTest, public testing::WithParamInterface<ShapeRow> { };

TEST_P(ShapeTest, TheCheckSaysWhatDidNotArriveAndWhy)
{
    write("in/One.sesx", GetParam().first);
    write("in/Two.sesx", GetParam().second);
    // The media are there: their warnings would hide nothing but add noise.
    for (const char* media : { "in/take0.wav", "in/take1.wav", "in/take2.wav" })
        write(media, "");
    const ToolRun result = runTool(TANDEM_APPEND_PATH, quoted("in/One.sesx") + " " + quoted("in/Two.sesx"));
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    if (*GetParam().expected)
        EXPECT_NE(result.err.find(std::string("\n") + GetParam().expected + "\n"), std::string::npos) << result.err;
    else
        EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::exists(path("in/One + Two.sesx")));
}

Shape withoutMaster() { return { false }; }
Shape oneLineTracks() { return { true, true, false, "" }; }
Shape oneLine() { return { true, true, false, "", "" }; }

INSTANTIATE_TEST_SUITE_P(Sessions, ShapeTest,
    testing::Values(
        ShapeRow{ "SessionOnOneLineInFile2", shapedSession(1, {}), shapedSession(2, oneLine()), 3,
            "File 2's 2 audio tracks (2 clips, 2 media files) are not in the combined session: its tracks are "
            "written on one line each, which Tandem cannot split." },
        ShapeRow{ "TracksOnOneLineEachInFile2", shapedSession(1, {}), shapedSession(2, oneLineTracks()), 3,
            "The combined session is not well-formed XML at line 24, although both inputs are: File 2's tracks are "
            "written on one line each, which Tandem cannot split." },
        ShapeRow{ "TracksOnOneLineEachInFile1", shapedSession(1, oneLineTracks()), shapedSession(2, {}), 3,
            "File 2's 2 audio tracks (2 clips, 2 media files) are not in the combined session: File 1's tracks are "
            "written on one line each, which Tandem cannot split." },
        ShapeRow{ "NoMasterInFile1", shapedSession(1, withoutMaster()), shapedSession(2, {}), 3,
            "File 2's 2 audio tracks (2 clips) are not in the combined session: File 1 has no master track, so File "
            "2's tracks were not merged." },
        ShapeRow{ "NoMasterInFile2", shapedSession(1, {}), shapedSession(2, withoutMaster()), 0, "" },
        ShapeRow{
            "BothWithVideo", shapedSession(1, { true, true, true }), shapedSession(1, { true, true, true }), 0, "" },
        ShapeRow{ "File1WithoutFileList", shapedSession(1, { true, false }), shapedSession(2, {}), 3,
            "File 2's 2 media files are not in the combined session: File 1 has no media file list to add them to." },
        ShapeRow{ "CrAndLfMixedInFile2", shapedSession(1, {}), shapedSession(2, { true, true, false, "\r" }), 3,
            "The combined session is not well-formed XML at line 24, although both inputs are: File 2 mixes CR "
            "and LF line ends." },
        ShapeRow{ "TextAfterTheRootOfFile2", shapedSession(1, {}), shapedSession(1, {}) + "notes\n", 3,
            "File 2 is not well-formed XML at line 20: there is more after the end of the root element <sesx>." }),
    [](const testing::TestParamInfo<ShapeRow>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::test
