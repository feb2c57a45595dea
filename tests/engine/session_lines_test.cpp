#include "session_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tandem::engine {
namespace {

std::vector<std::string> linesOf(std::string_view text)
{
    const SessionLines lines = SessionLines::FromText(text);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < lines.size(); ++i)
        result.emplace_back(lines[i]);
    return result;
}

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitTest : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitTest, SplitsAndNormalises) { EXPECT_EQ(linesOf(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(SessionLines, SplitTest,
    testing::Values(SplitCase{ "Empty", "", {} }, SplitCase{ "NoSeparator", "<a>", { "<a>" } },
        SplitCase{ "LfLines", "<a>\n<b>", { "<a>", "<b>" } },
        // A final LF leaves an empty last line, which is written too.
        SplitCase{ "TrailingLf", "<a>\n<b>\n", { "<a>", "<b>", "" } },
        SplitCase{ "CrOnly", "<a>\r<b>\r<c>", { "<a>", "<b>", "<c>" } },
        // With LF present, CR is part of the line.
        SplitCase{ "CrLfKeepsCr", "<a>\r\n<b>\r\n", { "<a>\r", "<b>\r", "" } },
        SplitCase{ "MixedSplitsAtLfOnly", "<a>\r<b>\n<c>", { "<a>\r<b>", "<c>" } },
        SplitCase{ "TabsIndent", "\t\t<file id=\"0\"/>\n", { "<file id=\"0\"/>", "" } },
        SplitCase{ "InnerTabBecomesSpace", "  <a\tb=\"1\">\t \n", { "<a b=\"1\">", "" } },
        // Trailing spaces before a CR are not trailing any more.
        SplitCase{ "SpacesBeforeCrStay", "  <a>  \r\n", { "<a>  \r", "" } },
        SplitCase{ "BlankLines", "\n  \n\t\n", { "", "", "", "" } },
        SplitCase{
            "Utf8Untouched", "<name>Zo\xC3\xAB \xE6\xB7\xB7</name>", { "<name>Zo\xC3\xAB \xE6\xB7\xB7</name>" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::engine
