#include "wildcard.h"

#include <gtest/gtest.h>

namespace tandem::panes {
namespace {

TEST(Wildcard, MatchesWholeTextCaseSensitively)
{
    const struct {
        const char* pattern;
        const char* text;
        bool matches;
    } cases[] = {
        { "*.sesx", "/a/Mix.sesx", true },
        { "*.sesx", "/a/Mix.SESX", false },
        { "*.sesx", "/a/Mix.sesx.bak", false },
        { "*.sesx", ".sesx", true },
        { "*.sesx", "/a/sesx", false },
        { "*", "", true },
        { "a?c", "abc", true },
        { "a?c", "ac", false },
        { "*b*", "aaabccc", true },
        { "*.sesx", "/x.sesx/y.sesx", true },
        { "", "a", false },
        { "**x", "abx", true },
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(QLatin1String(c.pattern), QString::fromUtf8(c.text)), c.matches)
            << c.pattern << " " << c.text;
}

} // namespace
} // namespace tandem::panes
