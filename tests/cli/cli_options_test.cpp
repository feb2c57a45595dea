#include "cli_options.h"

#include <gtest/gtest.h>

namespace tandem::cli {
namespace {

using Action = CliOptions::Action;

struct ParseCase {
    std::vector<std::string> arguments;
    Action action;
    std::string target;
    std::string first;
    std::string second;
    bool verify = true;
    bool force = false;
    bool noClobber = false;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << testing::PrintToString(c.arguments); }

class ParseArgumentsTest : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseArgumentsTest, Parses)
{
    const CliOptions options = ParseArguments(GetParam().arguments);
    EXPECT_EQ(options.action, GetParam().action);
    if (options.action == Action::Append) {
        EXPECT_EQ(options.target, GetParam().target);
        EXPECT_EQ(options.firstPath, GetParam().first);
        EXPECT_EQ(options.secondPath, GetParam().second);
        EXPECT_EQ(options.verify, GetParam().verify);
        EXPECT_EQ(options.force, GetParam().force);
        EXPECT_EQ(options.noClobber, GetParam().noClobber);
    } else if (options.action == Action::Usage) {
        EXPECT_FALSE(options.problem.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, ParseArgumentsTest,
    testing::Values(ParseCase{ { "a.sesx", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx" },
        ParseCase{ { "--target", "/out", "a.sesx", "b.sesx" }, Action::Append, "/out", "a.sesx", "b.sesx" },
        ParseCase{ { "a.sesx", "--target=/o u t", "b.sesx" }, Action::Append, "/o u t", "a.sesx", "b.sesx" },
        ParseCase{ { "--", "-a.sesx", "--b.sesx" }, Action::Append, "", "-a.sesx", "--b.sesx" },
        ParseCase{ { "a.sesx", "b.sesx", "--help" }, Action::Help, "", "", "" },
        ParseCase{ { "--version" }, Action::Version, "", "", "" }, ParseCase{ {}, Action::Usage, "", "", "" },
        ParseCase{ { "a.sesx" }, Action::Usage, "", "", "" },
        ParseCase{ { "a.sesx", "b.sesx", "c.sesx" }, Action::Usage, "", "", "" },
        ParseCase{ { "--target" }, Action::Usage, "", "", "" },
        ParseCase{ { "--target=", "a.sesx", "b.sesx" }, Action::Usage, "", "", "" },
        ParseCase{ { "--target", "x", "--target", "y", "a", "b" }, Action::Usage, "", "", "" },
        ParseCase{ { "--force", "a.sesx", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx", true, true },
        ParseCase{ { "a.sesx", "--verify", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx", true, false },
        ParseCase{ { "--no-verify", "a.sesx", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx", false, false },
        ParseCase{ { "-n", "a.sesx", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx", true, false, true },
        ParseCase{ { "a.sesx", "--no-clobber", "b.sesx" }, Action::Append, "", "a.sesx", "b.sesx", true, false, true },
        ParseCase{ { "--", "--verify", "b.sesx" }, Action::Append, "", "--verify", "b.sesx", true, false },
        ParseCase{ { "--verbose", "a.sesx", "b.sesx" }, Action::Usage, "", "", "" },
        ParseCase{ { "--after", "--at", "1:00", "a", "b" }, Action::Usage, "", "", "" },
        ParseCase{ { "--at", "1:60", "a", "b" }, Action::Usage, "", "", "" },
        ParseCase{ { "--after=soon", "a", "b" }, Action::Usage, "", "", "" },
        ParseCase{ { "--tracks", "a", "b" }, Action::Usage, "", "", "" }));

// Placement: --after takes a gap only when a number follows.
TEST(ParsePlacement, AfterAndAt)
{
    const CliOptions after = ParseArguments({ "--after", "a.sesx", "b.sesx" });
    EXPECT_EQ(after.placement, engine::Placement::AfterFile1);
    EXPECT_EQ(after.gapSeconds, 0);
    EXPECT_EQ(after.firstPath, "a.sesx");
    EXPECT_EQ(ParseArguments({ "--after", "2.5", "a", "b" }).gapSeconds, 2.5);
    EXPECT_EQ(ParseArguments({ "--after=3", "a", "b" }).gapSeconds, 3);
    const CliOptions at = ParseArguments({ "--at", "1:00.5", "--tracks=Host,2", "--keep-relative-paths", "a", "b" });
    EXPECT_EQ(at.placement, engine::Placement::At);
    EXPECT_EQ(at.at.seconds, 60.5);
    EXPECT_EQ(at.tracks, "Host,2");
    EXPECT_TRUE(at.keepRelativePaths);
    EXPECT_EQ(ParseArguments({ "--at=48000", "a", "b" }).at.samples, 48000);
}

TEST(ParsePlacement, TracksByNameOrPosition)
{
    const std::vector<engine::SessionTrack> tracks{ { 1, false, "Host" }, { 2, false, "3" }, { 3, true, "Bus" } };
    std::string unknown;
    EXPECT_EQ(ChosenTracks("Bus,1", tracks, unknown), (std::vector<int>{ 3, 1 }));
    EXPECT_EQ(ChosenTracks("3", tracks, unknown), (std::vector<int>{ 2 }));
    EXPECT_FALSE(ChosenTracks("Host,Guest", tracks, unknown));
    EXPECT_EQ(unknown, "Guest");
    EXPECT_FALSE(ChosenTracks("4", tracks, unknown));
}

} // namespace
} // namespace tandem::cli
