#include "merge_test_support.h"
#include "messages.h"

#include "errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tandem::engine {
namespace {

using test::Session;
using test::TempDir;

struct ReadFailureCase {
    const char* name;
    bool firstMissing;
    std::string missingPath; // relative to the test folder
    int errorNumber;
    const char* description;
};

void PrintTo(const ReadFailureCase& c, std::ostream* os) { *os << c.name; }

class ReadFailureTest : public testing::TestWithParam<ReadFailureCase> { };

TEST_P(ReadFailureTest, ReportsTheReadPhaseAndWritesNothing)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.sesx");
#ifndef _WIN32
    // Read as a file, a pipe would wait for a writer that never comes.
    ASSERT_EQ(mkfifo(dir.Path("pipe.sesx").c_str(), 0600), 0);
#endif
    const auto present = dir.Write("One.sesx", Session({ "<?xml?>", "<a/>" }));
    const auto missing = dir.Path(GetParam().missingPath);
    const auto before = dir.Entries();
    const auto outcome = GetParam().firstMissing ? AppendSession(missing, present, dir.Path())
                                                 : AppendSession(present, missing, dir.Path());
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.phase, Phase::Read);
    EXPECT_EQ(outcome.errorNumber, GetParam().errorNumber);
    const auto message = OutcomeMessage(outcome);
    EXPECT_EQ(message.icon, platform::Message::Icon::Critical);
    EXPECT_EQ(message.title, "Error " + std::to_string(GetParam().errorNumber));
    EXPECT_EQ(
        message.text, "Attempting to open SESX session file\n" + std::string(GetParam().description) + "\n" + missing);
    EXPECT_EQ(dir.Entries(), before);
}

INSTANTIATE_TEST_SUITE_P(AppendSession, ReadFailureTest,
    testing::Values(ReadFailureCase{ "FirstMissing", true, "Nope.sesx", 53, "File not found" },
        ReadFailureCase{ "SecondMissing", false, "Nope.sesx", 53, "File not found" },
        ReadFailureCase{ "FolderMissing", false, "none/Nope.sesx", 76, "Path not found" },
        ReadFailureCase{ "IsAFolder", true, "folder.sesx", 75, "Path/File access error" }
#ifndef _WIN32
        ,
        ReadFailureCase{ "IsAPipe", false, "pipe.sesx", 75, "Path/File access error" },
        // Wine answers a name too long as "not found".
        ReadFailureCase{ "NameTooLong", false, std::string(300, 'n') + ".sesx", 64, "File name too long" }
#endif
        ),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::engine

#ifdef __linux__
namespace tandem::engine {
namespace {

bool mapped(const std::string& path)
{
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.size() >= path.size() && line.compare(line.size() - path.size(), path.size(), path) == 0)
            return true;
    return false;
}

// Another program cuts session 2 short while it is merged: the merge
// reports a read error of that file and leaves nothing behind.
TEST(AppendSession, ASessionCutShortDuringTheMergeIsAReadErrorThatLeavesNothing)
{
    test::TempDir dir;
    const std::string first = dir.Write(
        "One.sesx", Session({ "<tracks>", "<masterTrack id=\"10000\" index=\"1\">", "</masterTrack>", "</tracks>" }));
    std::string track = "<audioTrack id=\"10001\" index=\"1\">\n";
    for (int i = 0; i < 64; ++i)
        track += "<parameter index=\"0\" name=\"volume\" parameterValue=\"1\"/>\n";
    track += "</audioTrack>\n";
    std::string big = "<tracks>\n";
    while (big.size() < (64u << 20))
        big += track;
    const std::string second = dir.Write("Two.sesx", big + "</tracks>\n");
    big.clear();

    AppendOutcome outcome;
    std::thread merge([&] { outcome = AppendSession(first, second, dir.Path()); });
    while (!mapped(second))
        std::this_thread::yield();
    std::filesystem::resize_file(second, 1000);
    merge.join();

    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.phase, Phase::Read);
    EXPECT_EQ(outcome.errorNumber, platform::ErrorNumber::InputPastEndOfFile);
    EXPECT_EQ(outcome.failedPath, second);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{ "One.sesx", "Two.sesx" }));
}

} // namespace
} // namespace tandem::engine
#endif
