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
        ParseCase{ { "--verbose", "a.sesx", "b.sesx" }, Action::Usage, "", "", "" }));

} // namespace
} // namespace tandem::cli
