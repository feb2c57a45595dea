// Runs the real tandem-append on inputs and targets that are wrong in every
// way a user's files can be, and checks what it says, how it exits and that
// it never leaves a partial file behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

constexpr int exitSuccess = 0;
constexpr int exitReadFailure = 1;
constexpr int exitWriteFailure = 2;
constexpr int exitCheckFindings = 3;

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::vector<std::string> entries(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool isTemporaryFile(const std::string& name) { return name.rfind(".tandem-", 0) == 0; }

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The arguments of one run, and the user it runs as.
struct Invocation {
    std::string first;
    std::string second;
    std::string target; // empty: no --target
    bool asUnprivilegedUser = false;
};

#ifdef _WIN32
// What the tool printed, with the line ends a Windows console adds taken out.
std::string withoutCr(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

ToolRun runTool(const Invocation& call, const fs::path& outFile, const fs::path& errFile)
{
    // The golden pair runs at two sample rates; the merge is what is tried.
    std::string command = "\"" TANDEM_APPEND_PATH "\" --force";
    if (!call.target.empty())
        command += " --target \"" + call.target + "\"";
    command += " \"" + call.first + "\" \"" + call.second + "\" > \"" + outFile.string() + "\" 2> \"" +
        errFile.string() + "\"";
    // cmd strips one pair of quotes around the whole command line.
    const int code = std::system(("\"" + command + "\"").c_str());
    return { code, withoutCr(readAll(outFile)), withoutCr(readAll(errFile)) };
}
#else
// Started without a shell, which would take back root's rights from a
// process that gave them up for a while.
ToolRun runTool(const Invocation& call, const fs::path& outFile, const fs::path& errFile)
{
    // The golden pair runs at two sample rates; the merge is what is tried.
    std::vector<std::string> arguments{ TANDEM_APPEND_PATH, "--force" };
    if (!call.target.empty())
        arguments.insert(arguments.end(), { "--target", call.target });
    arguments.insert(arguments.end(), { call.first, call.second });
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        if (call.asUnprivilegedUser && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return {};
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(outFile), readAll(errFile) };
}
#endif

// A folder of its own for every row: inputs in in/, the combined session in
// out/, what the tool printed beside them.
class CaseFolder {
public:
    CaseFolder()
        : root_(fs::temp_directory_path() / ("tandem-bad-input-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(root_ / "in");
        fs::create_directories(root_ / "out");
    }
    ~CaseFolder()
    {
        for (const auto& release : cleanups_)
            release();
        std::error_code error;
        fs::permissions(root_ / "out", fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(root_, error);
    }
    CaseFolder(const CaseFolder&) = delete;
    CaseFolder& operator=(const CaseFolder&) = delete;

    fs::path Root() const { return root_; }
    std::string In(const std::string& name) const { return (root_ / "in" / name).string(); }
    std::string Out() const { return (root_ / "out").string(); }
    std::string Write(const std::string& name, const std::string& content) const
    {
        writeFile(root_ / "in" / name, content);
        return In(name);
    }
    // Runs when the row is over, before the folder is removed.
    void AtEnd(std::function<void()> release) { cleanups_.push_back(std::move(release)); }
    // Why the row cannot run here; empty when it can.
    std::string skipReason;

private:
    fs::path root_;
    std::vector<std::function<void()>> cleanups_;
};

std::string goldenFile(const std::string& pair, const std::string& name)
{
    return readAll(fs::path(TANDEM_GOLDEN_DIR) / pair / name);
}

std::string goodFirst() { return goldenFile("podcast", "One.sesx"); }
std::string goodSecond() { return goldenFile("podcast", "Two.sesx"); }

// Two sessions that merge, with `first` or `second` in place of the golden
// pair's own.
Invocation pairWith(CaseFolder& folder, const std::string& first, const std::string& second)
{
    return { folder.Write("One.sesx", first), folder.Write("Two.sesx", second), folder.Out() };
}

struct Row {
    std::string name;
    std::function<Invocation(CaseFolder&)> prepare;
    int exitCode;
    // On failure, or when the check after the merge finds problems: part of
    // the message on standard error. On success: the combined file's name,
    // whose full path is printed.
    std::string expected;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class BadInputTest : public testing::TestWithParam<Row> { };

TEST_P(BadInputTest, ExitsAsExpectedAndLeavesNoPartialFile)
{
    const Row& row = GetParam();
    CaseFolder folder;
    const Invocation call = row.prepare(folder);
    if (!folder.skipReason.empty())
        GTEST_SKIP() << folder.skipReason;
    const fs::path target = call.target.empty() ? fs::path(call.first).parent_path() : fs::path(call.target);
    const auto before = entries(target);

    const ToolRun result = runTool(call, folder.Root() / "stdout", folder.Root() / "stderr");

    EXPECT_EQ(result.exitCode, row.exitCode) << result.err;
    const auto after = entries(target);
    for (const auto& name : after)
        EXPECT_FALSE(isTemporaryFile(name)) << "temporary file left behind: " << name;
    if (row.exitCode == exitSuccess) {
        const fs::path output = target / row.expected;
        EXPECT_EQ(result.out, output.string() + "\n");
        EXPECT_GT(fs::file_size(output), 0u);
    } else if (row.exitCode == exitCheckFindings) {
        // The check reports; the file stays as written.
        EXPECT_NE(result.err.find(row.expected), std::string::npos) << result.err;
        EXPECT_EQ(result.out, (target / "One + Two.sesx").string() + "\n");
    } else {
        EXPECT_NE(result.err.find(row.expected), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(after, before) << "a failed run changed the target folder";
    }
}

std::string lineOfSize(std::size_t size) { return std::string(size, 'x'); }

// A session whose first line after the declaration carries `line`.
std::string firstWithLine(const std::string& line)
{
    std::string session = goodFirst();
    session.insert(session.find('\n') + 1, line + "\n");
    return session;
}

// Session 2 of the golden pair with its first audio track line given
// `attributes` in front of its own.
std::string secondWithTrackAttributes(const std::string& attributes)
{
    std::string session = goodSecond();
    const std::size_t track = session.find("<audioTrack ") + std::string("<audioTrack").size();
    session.insert(track, attributes);
    return session;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::vector<Row> inputRows()
{
    const std::string combined = "One + Two.sesx";
    const std::string notFound = "Error 53\nAttempting to open SESX session file\nFile not found";
    const std::string notASession = "Error 321\nAttempting to open SESX session file\nInvalid file format";
    const std::string overflow = "Error 6\nError\nOverflow";
    std::vector<Row> rows{
        { "MissingFile",
            [](CaseFolder& f) {
                return Invocation{ f.In("Missing.sesx"), f.Write("Two.sesx", goodSecond()), f.Out() };
            },
            exitReadFailure, notFound },
        { "FolderGivenAsFile",
            [](CaseFolder& f) {
                fs::create_directory(f.In("Folder.sesx"));
                return Invocation{ f.In("Folder.sesx"), f.Write("Two.sesx", goodSecond()), f.Out() };
            },
            exitReadFailure, "Error 75\nAttempting to open SESX session file\nPath/File access error" },
        // An empty or one-line first session has nothing to merge into.
        { "EmptyFirst", [](CaseFolder& f) { return pairWith(f, "", goodSecond()); }, exitReadFailure, notASession },
        { "OneLineFirst", [](CaseFolder& f) { return pairWith(f, "<?xml version=\"1.0\"?>", goodSecond()); },
            exitReadFailure, notASession },
        // An empty second session adds nothing: the first one comes out
        // renamed, and the check says why.
        { "EmptySecond", [](CaseFolder& f) { return pairWith(f, goodFirst(), ""); }, exitCheckFindings,
            "File 2 is not well-formed XML at line 1: there is no root element." },
        { "OneLineSecond", [](CaseFolder& f) { return pairWith(f, goodFirst(), "<?xml version=\"1.0\"?>"); },
            exitCheckFindings, "File 2 is not well-formed XML at line 1: there is no root element." },
        { "BinaryGarbageFirst",
            [](CaseFolder& f) {
                std::mt19937 random(8);
                std::string garbage(64 * 1024, '\0');
                for (char& c : garbage)
                    c = static_cast<char>(random());
                return pairWith(f, garbage, goodSecond());
            },
            exitReadFailure, notASession },
        { "BinaryGarbageSecond",
            [](CaseFolder& f) { return pairWith(f, goodFirst(), std::string("PK\x03\x04\0\0\n\x14\0\x08\n", 11)); },
            exitReadFailure, notASession },
        // Bytes that are not UTF-8 pass through untouched.
        { "InvalidUtf8Content",
            [](CaseFolder& f) {
                return pairWith(f, replaced(goodFirst(), "Host take", "Host \xC3\x28 \xFF\xFE take"),
                    replaced(goodSecond(), "<name>", "<name>\xE2\x82"));
            },
            exitSuccess, combined },
        { "Line100MegabytesInASession",
            [](CaseFolder& f) {
                return pairWith(f, firstWithLine("<!--" + lineOfSize(100u << 20) + "-->"), goodSecond());
            },
            exitSuccess, combined },
        { "SingleLineOf100MegabytesFirst",
            [](CaseFolder& f) { return pairWith(f, lineOfSize(100u << 20), goodSecond()); }, exitReadFailure,
            notASession },
        { "TenMillionAttributesOnATrackLine",
            [](CaseFolder& f) {
                std::string attributes;
                attributes.reserve(10'000'000 * 6);
                for (int i = 0; i < 10'000'000; ++i)
                    attributes += " a=\"1\"";
                return pairWith(f, goodFirst(), secondWithTrackAttributes(attributes));
            },
            exitCheckFindings,
            "File 2 is not well-formed XML at line 8: attribute \"a\" appears twice on <audioTrack>." },
        { "IdAtTheTopOfTheRange",
            [](CaseFolder& f) {
                return pairWith(f,
                    replaced(goodFirst(), "<masterTrack automationLaneOpenState=\"false\" id=\"10000\"",
                        "<masterTrack automationLaneOpenState=\"false\" id=\"2147483647\""),
                    replaced(goodSecond(), "<masterTrack automationLaneOpenState=\"false\" id=\"10000\"",
                        "<masterTrack automationLaneOpenState=\"false\" id=\"1\""));
            },
            exitSuccess, combined },
        { "IdAtTheBottomOfTheRange",
            [](CaseFolder& f) {
                return pairWith(f, goodFirst(), replaced(goodSecond(), "id=\"10001\"", "id=\"-2147483648\""));
            },
            exitCheckFindings, "Two.sesx:13: Track 10002 sends its output to track 10001, which does not exist." },
        { "TrackIdThatOverflowsWhenMoved",
            [](CaseFolder& f) {
                return pairWith(f, goodFirst(), replaced(goodSecond(), "id=\"10001\"", "id=\"2147483647\""));
            },
            exitWriteFailure, overflow },
        { "FileIdBeyondTheRange",
            [](CaseFolder& f) {
                return pairWith(f, replaced(goodFirst(), "id=\"1\"", "id=\"4294967295\""), goodSecond());
            },
            exitWriteFailure, overflow },
        { "IdFarBeyondTheRange",
            [](CaseFolder& f) {
                return pairWith(
                    f, goodFirst(), replaced(goodSecond(), "id=\"10001\"", "id=\"99999999999999999999999\""));
            },
            exitWriteFailure, overflow },
    };
#ifndef _WIN32
    // A name is bytes here; Windows names are UTF-16 and cannot hold these.
    rows.push_back({ "InvalidUtf8FileName",
        [](CaseFolder& f) {
            return Invocation{ f.Write("Take \xFF\xC3.sesx", goodFirst()), f.Write("Two.sesx", goodSecond()), f.Out() };
        },
        exitSuccess, "Take \xFF\xC3 + Two.sesx" });
#endif
    return rows;
}

#ifndef _WIN32
// Root writes into any folder, so as root the row runs as nobody; the
// inputs and the temporary folder are open to every user.
Invocation unwritableTarget(CaseFolder& f)
{
    Invocation call = pairWith(f, goodFirst(), goodSecond());
    fs::permissions(f.Out(),
        fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
            fs::perms::others_read | fs::perms::others_exec);
    call.asUnprivilegedUser = ::geteuid() == 0;
    return call;
}

// A filesystem of 256 KiB of its own, which the combined session of two
// sessions of 512 KiB each cannot fit into.
Invocation fullDisk(CaseFolder& f)
{
    const std::string padding = "<!--" + lineOfSize(512 * 1024) + "-->";
    Invocation call = pairWith(f, firstWithLine(padding), goodSecond());
    const fs::path small = f.Root() / "small";
    fs::create_directory(small);
    if (::mount("tandem-test", small.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") != 0) {
        f.skipReason = "a small filesystem cannot be mounted here (needs root and leave to mount): " +
            std::string(std::strerror(errno));
        return call;
    }
    f.AtEnd([small] { ::umount2(small.c_str(), MNT_DETACH); });
    call.target = small.string();
    return call;
}
#endif

std::vector<Row> targetRows()
{
    std::vector<Row> rows{
        { "TargetIsAFile",
            [](CaseFolder& f) {
                Invocation call = pairWith(f, goodFirst(), goodSecond());
                call.target = f.Write("NotAFolder", "text");
                return call;
            },
            exitWriteFailure, "Error 76\nError\nPath not found" },
        { "TargetDoesNotExist",
            [](CaseFolder& f) {
                Invocation call = pairWith(f, goodFirst(), goodSecond());
                call.target = (fs::path(f.Out()) / "no" / "such" / "folder").string();
                return call;
            },
            exitWriteFailure, "Error 76\nError\nPath not found" },
        { "OutputNameIsAFolder",
            [](CaseFolder& f) {
                Invocation call = pairWith(f, goodFirst(), goodSecond());
                fs::create_directory(fs::path(f.Out()) / "One + Two.sesx");
                return call;
            },
            exitWriteFailure, "Error 75\nError\nPath/File access error" },
    };
#ifdef _WIN32
    const auto skipped = [](const char* reason) {
        return [reason](CaseFolder& f) {
            f.skipReason = reason;
            return Invocation{};
        };
    };
    rows.push_back({ "UnwritableTarget", skipped("Wine does not keep a folder's write protection"), 0, "" });
    rows.push_back({ "FullDisk", skipped("no small filesystem can be mounted under Wine"), 0, "" });
#else
    rows.push_back({ "UnwritableTarget", unwritableTarget, exitWriteFailure, "Error 70\nError Writing to File '" });
    rows.push_back({ "FullDisk", fullDisk, exitWriteFailure, "Error 61\nError\nDisk full" });
#endif
    return rows;
}

std::string testName(const testing::TestParamInfo<Row>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, testing::ValuesIn(inputRows()), testName);
INSTANTIATE_TEST_SUITE_P(Targets, BadInputTest, testing::ValuesIn(targetRows()), testName);

// Every prefix of a golden session that ends at a block boundary (after a
// line that opens or closes an element), in place of either session. A cut
// session is merged as far as it goes: it must neither crash the tool nor
// leave anything partial behind, and the check must name the cut file.
struct Cut {
    std::string pair;
    std::string file;
    std::size_t bytes;
};

std::vector<Cut> blockBoundaries()
{
    std::vector<Cut> cuts;
    for (const std::string pair : { "podcast", "video-crlf-tabs" }) {
        for (const std::string file : { "One.sesx", "Two.sesx" }) {
            const std::string text = goldenFile(pair, file);
            std::size_t start = 0;
            for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
                std::string line = text.substr(start, end - start);
                line.erase(0, line.find_first_not_of(" \t"));
                const bool opens = line.rfind("<", 0) == 0 && line.find("/>") == std::string::npos &&
                    line.find("</") == std::string::npos && line.rfind("<?", 0) != 0 && line.rfind("<!", 0) != 0;
                const bool closes = line.rfind("</", 0) == 0;
                if (opens || closes)
                    cuts.push_back({ pair, file, end + 1 });
            }
        }
    }
    return cuts;
}

TEST(TruncatedSessions, EveryBlockBoundaryOfTheGoldenPairs)
{
    const std::vector<Cut> cuts = blockBoundaries();
    ASSERT_GT(cuts.size(), 50u);
    CaseFolder folder;
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.pair + "/" + cut.file + " cut after byte " + std::to_string(cut.bytes));
        std::string first = goldenFile(cut.pair, "One.sesx");
        std::string second = goldenFile(cut.pair, "Two.sesx");
        std::string& truncated = cut.file == "One.sesx" ? first : second;
        truncated.resize(cut.bytes);
        const Invocation call = pairWith(folder, first, second);
        const fs::path output = fs::path(folder.Out()) / "One + Two.sesx";
        fs::remove(output);

        const ToolRun result = runTool(call, folder.Root() / "stdout", folder.Root() / "stderr");

        const bool whole = cut.bytes == goldenFile(cut.pair, cut.file).size();
        ASSERT_EQ(result.exitCode, whole ? exitSuccess : exitCheckFindings) << result.err;
        if (!whole) {
            EXPECT_NE(result.err.find((cut.file == "One.sesx" ? "File 1" : "File 2") +
                          std::string(" is not well-formed XML at line ")),
                std::string::npos)
                << result.err;
        }
        EXPECT_EQ(result.out, output.string() + "\n");
        EXPECT_EQ(entries(folder.Out()), std::vector<std::string>{ "One + Two.sesx" });
        EXPECT_GT(fs::file_size(output), 0u);
    }
}

} // namespace
