#include "merge_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

namespace tandem::engine {
namespace {

// Each folder under data/ holds One.sesx and Two.sesx, and expected.sesx:
// the combined session, checked by hand line by line. A file "placement"
// holding "after SECONDS" places Two after One with that gap.
class GoldenTest : public testing::TestWithParam<std::string> { };

TEST_P(GoldenTest, CombinedSessionMatchesByteForByte)
{
    const std::filesystem::path folder = std::filesystem::path(TANDEM_GOLDEN_DIR) / GetParam();
    AppendOptions options;
    std::istringstream placement(test::ReadFile(folder / "placement"));
    std::string how;
    if (placement >> how >> options.gapSeconds && how == "after")
        options.placement = Placement::AfterFile1;
    test::TempDir target;
    const auto outcome =
        AppendSession((folder / "One.sesx").string(), (folder / "Two.sesx").string(), target.Path(), options);
    ASSERT_TRUE(outcome.succeeded) << outcome.description;
    EXPECT_EQ(outcome.outputPath, target.Path("One + Two.sesx"));
    const std::string expected = test::ReadFile(folder / "expected.sesx");
    ASSERT_FALSE(expected.empty());
    const auto actualLines = test::OutputLines(test::ReadFile(outcome.outputPath));
    const auto expectedLines = test::OutputLines(expected);
    for (std::size_t i = 0; i < std::max(actualLines.size(), expectedLines.size()); ++i) {
        const std::string actual = i < actualLines.size() ? actualLines[i] : "<missing>";
        const std::string wanted = i < expectedLines.size() ? expectedLines[i] : "<missing>";
        ASSERT_EQ(actual, wanted) << "first difference at line " << i + 1;
    }
    EXPECT_EQ(test::ReadFile(outcome.outputPath), expected);
}

std::vector<std::string> goldenCases()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(TANDEM_GOLDEN_DIR))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, testing::ValuesIn(goldenCases()), [](const auto& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

} // namespace
} // namespace tandem::engine
