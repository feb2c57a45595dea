#include "tool_run.h"

#include "tandem_version.h"

#include <functional>
#include <optional>

#ifndef _WIN32
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace tandem::test {
namespace {

const std::string firstSession =
    "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n";
const std::string secondSession =
    "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n</tracks>\n";

class TandemAppendTest : public ToolTest {
public:
    void SetUp() override
    {
        ToolTest::SetUp();
        write("in/First.sesx", firstSession);
        write("in/Second.sesx", secondSession);
    }
    ToolRun run(const std::string& arguments) { return runTool(TANDEM_APPEND_PATH, arguments); }
    std::string pair() const { return quoted("in/First.sesx") + " " + quoted("in/Second.sesx"); }
};

TEST_F(TandemAppendTest, WritesNextToTheFirstSessionOrIntoTheTargetAndPrintsThePath)
{
    const ToolRun result = run(pair());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string expected = path("in/First + Second.sesx");
    EXPECT_EQ(result.out, expected + "\n");
    EXPECT_EQ(ReadFile(expected),
        "<?xml?>\r\n<tracks>\r\n<audioTrack id=\"10001\" index=\"2\">\r\n</audioTrack>\r\n"
        "<masterTrack id=\"10000\" index=\"3\">\r\n</masterTrack>\r\n</tracks>\r\n\r\n");
    const ToolRun target = run("--target " + quoted("out") + " " + pair());
    EXPECT_EQ(target.out, path("out/First + Second.sesx") + "\n");
    EXPECT_EQ(ReadFile(path("out/First + Second.sesx")), ReadFile(expected));
}

// Failures: the exit status, the message with the file it concerns on a
// line of its own, the target folder as it was, nothing left behind.
struct FailureRow {
    const char* name;
    // Makes what the row needs; the options before the sessions, or
    // nothing when the row cannot be made here.
    std::function<std::optional<std::string>(TandemAppendTest&)> prepare;
    int exitCode;
    std::function<std::string(const TandemAppendTest&)> message;
};

class FailureTest : public TandemAppendTest, public testing::WithParamInterface<FailureRow> { };

TEST_P(FailureTest, ExitsWithTheMessageAndLeavesNothing)
{
    const auto options = GetParam().prepare(*this);
    if (!options)
        GTEST_SKIP() << "the row cannot be made here";
    const auto before = entries("out");
    const ToolRun result = run(*options);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().message(*this));
    EXPECT_EQ(entries("out"), before);
}

std::vector<FailureRow> failureRows()
{
    std::vector<FailureRow> rows{
        { "MissingSession",
            [](TandemAppendTest& t) { return "--target " + t.quoted("out") + " " + t.quoted("in/First.sesx") + " x"; },
            1,
            [](const TandemAppendTest&) {
                return std::string("Error 53\nAttempting to open SESX session file\nFile not found\nx\n");
            } },
        { "TargetMissing", [](TandemAppendTest& t) { return "--target " + t.quoted("out/no") + " " + t.pair(); }, 2,
            [](const TandemAppendTest& t) {
                return "Error 76\nError\nPath not found\n" + t.path("out/no/First + Second.sesx") + "\n";
            } },
        // Scripts rely on the replacement; -n leaves the file alone.
        { "NoClobber",
            [](TandemAppendTest& t) {
                t.write("out/First + Second.sesx", "edited since");
                return "-n --target " + t.quoted("out") + " " + t.pair();
            },
            2,
            [](const TandemAppendTest& t) {
                return "Error 58\nError\nFile already exists\n" + t.path("out/First + Second.sesx") + "\n";
            } },
    };
#ifndef _WIN32
    // Root writes into any folder: as root the tool runs as nobody.
    rows.push_back({ "UnwritableTarget",
        [](TandemAppendTest& t) {
            fs::permissions(t.path("out"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::remove);
            if (::geteuid() == 0)
                t.runAs = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
            return std::optional<std::string>("--target " + t.quoted("out") + " " + t.pair());
        },
        2,
        [](const TandemAppendTest& t) {
            return "Error 70\nError Writing to File '" + t.path("out/First + Second.sesx") +
                "'.  \nPermission denied\n\nFile may be in use\n";
        } });
    // A file system of 256 KiB of its own, which a combined session of
    // 512 KiB cannot fit into.
    rows.push_back({ "FullDisk",
        [](TandemAppendTest& t) -> std::optional<std::string> {
            t.write("in/First.sesx", firstSession + "<!--" + std::string(512 * 1024, 'x') + "-->\n");
            if (::mount("tandem-test", t.path("out").c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0)
                return std::nullopt;
            const std::string out = t.path("out");
            t.atEnd([out] { ::umount2(out.c_str(), MNT_DETACH); });
            return "--target " + t.quoted("out") + " " + t.pair();
        },
        2,
        [](const TandemAppendTest& t) {
            return "Error 61\nError\nDisk full\n" + t.path("out/First + Second.sesx") + "\n";
        } });
#endif
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
    // Ten million lines need more memory than the limit leaves, in either
    // session: each is split on a thread of its own. (AddressSanitizer needs
    // far more address space than the limit leaves.)
    for (const char* session : { "First", "Second" })
        rows.push_back({ session[0] == 'F' ? "OutOfMemoryInFile1" : "OutOfMemoryInFile2",
            [session](TandemAppendTest& t) -> std::optional<std::string> {
                const std::string name = "in/" + std::string(session) + ".sesx";
                t.write(name, ReadFile(t.path(name)) + std::string(10'000'000, '\n'));
                t.runAs = "ulimit -v 200000; ";
                return "--target " + t.quoted("out") + " " + t.pair();
            },
            1,
            [session](const TandemAppendTest& t) {
                return "Error 7\nAttempting to open SESX session file\nOut of memory\n" +
                    t.path("in/" + std::string(session) + ".sesx") + "\n";
            } });
#endif
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Tool, FailureTest, testing::ValuesIn(failureRows()),
    [](const testing::TestParamInfo<FailureRow>& info) { return std::string(info.param.name); });

TEST_F(TandemAppendTest, TheCheckReportsProblemsOfAllThreeFilesAndKeepsTheNewOne)
{
    const ToolRun clean = run(pair());
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

#ifndef _WIN32
// A script that cannot learn the new file's name must not take the run for
// a success.
TEST_F(TandemAppendTest, AnUnprintablePathIsAFailure)
{
    const std::string command = "\"" TANDEM_APPEND_PATH "\" " + pair() + " > /dev/full 2> " + quoted("stderr");
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
    EXPECT_NE(ReadFile(path("stderr")).find("could not print the new file's path"), std::string::npos);
}

// A file name is bytes here; Windows names are UTF-16 and cannot hold these.
TEST_F(TandemAppendTest, ANameThatIsNotUtf8)
{
    write("in/Take \xFF\xC3.sesx", firstSession);
    const ToolRun result = run(quoted("in/Take \xFF\xC3.sesx") + " " + quoted("in/Second.sesx"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path("in/Take \xFF\xC3 + Second.sesx") + "\n");
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
    const std::string rates = quoted("in/At48.sesx") + " " + quoted("in/At44.sesx");
    const ToolRun refused = run(rates);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
        "tandem-append: File 1 runs at 48000 Hz and File 2 at 44100 Hz.\n\nThe clips of File 2 will be placed at the "
        "wrong times in the combined session.\nUse --force to combine them anyway.\n");
    EXPECT_FALSE(fs::exists(path("in/At48 + At44.sesx")));
    EXPECT_EQ(run("--force " + rates).exitCode, 0);
    EXPECT_TRUE(fs::exists(path("in/At48 + At44.sesx")));
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
// A tag of 100 MB takes the check of what is written more memory than the
// limit leaves, while the merge needs little: the combined session is whole
// and said to be unchecked, and the merge does not wait for the check that
// gave up.
TEST_F(TandemAppendTest, TheCheckRunningOutOfMemoryLeavesTheMergeWhole)
{
    write("in/Second.sesx",
        "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\" blob=\"" + std::string(100'000'000, 'x') +
            "\">\n</audioTrack>\n<audioTrack id=\"10002\" index=\"2\">\n" + repeated("<clip/>\n", 1'300'000) +
            "</audioTrack>\n</tracks>\n");
    ASSERT_EQ(run("--no-verify " + pair()).exitCode, 0);
    runAs = "ulimit -v 550000; timeout 120 ";
    const ToolRun result = run("--target " + quoted("out") + " " + pair());
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find("The combined session could not be checked: Out of memory"), std::string::npos)
        << result.err;
    // Compared without printing 110 MB when they differ.
    EXPECT_TRUE(ReadFile(path("out/First + Second.sesx")) == ReadFile(path("in/First + Second.sesx")));
}
#endif

TEST_F(TandemAppendTest, UsageHelpAndVersion)
{
    const ToolRun wrong = run("only-one.sesx");
    EXPECT_EQ(wrong.exitCode, 64);
    EXPECT_NE(wrong.err.find("Usage: tandem-append"), std::string::npos);
    EXPECT_EQ(run("--help").out.rfind("Usage: tandem-append", 0), 0u);
    EXPECT_EQ(run("--version").out, "tandem-append " TANDEM_VERSION "\n");
}

// Every prefix of a golden session that ends at a block boundary (after a
// line that opens or closes an element), in place of either session: the
// tool must not crash or leave anything partial, and the check names the
// file that was cut. Runs a batch at a time to keep the suite quick.
TEST_F(TandemAppendTest, CutSessionsAreNamedByTheCheck)
{
    int cuts = 0;
    for (const std::string pairName : { "podcast", "video-crlf-tabs" }) {
        const fs::path folder = fs::path(TANDEM_GOLDEN_DIR) / pairName;
        for (const std::string cutName : { "One.sesx", "Two.sesx" }) {
            const std::string text = ReadFile(folder / cutName);
            for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
                std::string line = text.substr(start, end - start);
                line.erase(0, line.find_first_not_of(" \t"));
                if (line.rfind("<", 0) != 0 || line.rfind("<?", 0) == 0 || line.rfind("<!", 0) == 0 ||
                    (line.rfind("</", 0) != 0 && line.find("/>") != std::string::npos) || end + 1 == text.size())
                    continue;
                SCOPED_TRACE(pairName + "/" + cutName + " cut after byte " + std::to_string(end + 1));
                const bool first = cutName == "One.sesx";
                write("in/One.sesx", first ? text.substr(0, end + 1) : ReadFile(folder / "One.sesx"));
                write("in/Two.sesx", first ? ReadFile(folder / "Two.sesx") : text.substr(0, end + 1));
                fs::remove(path("out/One + Two.sesx"));
                const ToolRun result = run(
                    "--force --target " + quoted("out") + " " + quoted("in/One.sesx") + " " + quoted("in/Two.sesx"));
                ASSERT_EQ(result.exitCode, 3) << result.err;
                EXPECT_NE(
                    result.err.find(std::string(first ? "File 1" : "File 2") + " is not well-formed XML at line "),
                    std::string::npos)
                    << result.err;
                EXPECT_EQ(entries("out"), std::vector<std::string>{ "One + Two.sesx" });
                ++cuts;
            }
        }
    }
    EXPECT_GT(cuts, 50);
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
