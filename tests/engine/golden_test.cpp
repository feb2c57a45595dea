#include "merge_test_support.h"
#include "messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

namespace tandem::engine {
namespace {

namespace fs = std::filesystem;

// Each folder under data/ holds One.sesx and Two.sesx, and either
// expected.sesx, the combined session checked by hand line by line, or
// "fails" with the error number the merge must fail with, writing nothing.
// An "options" file asks for more than the classic merge: "after SECONDS",
// "at SECONDS", "at-samples N", "tracks N N ...", "relative-to-target" (the
// sessions lie in folders "one" and "two" and the result goes to "mix").
AppendOptions optionsOf(const fs::path& file)
{
    AppendOptions options;
    std::istringstream words(test::ReadFile(file));
    for (std::string word; words >> word;) {
        if (word == "after") {
            options.placement = Placement::AfterFile1;
            words >> options.gapSeconds;
        } else if (word == "at") {
            options.placement = Placement::At;
            words >> options.atSeconds;
        } else if (word == "at-samples") {
            options.placement = Placement::At;
            options.atSamples.emplace();
            words >> *options.atSamples;
        } else if (word == "tracks") {
            options.tracks.emplace();
            for (int position; words >> position;)
                options.tracks->push_back(position);
        } else if (word == "relative-to-target") {
            options.rewriteRelativePaths = true;
        }
    }
    return options;
}

class GoldenTest : public testing::TestWithParam<std::string> { };

TEST_P(GoldenTest, CombinedSessionMatchesByteForByte)
{
    const fs::path folder = fs::path(TANDEM_GOLDEN_DIR) / GetParam();
    test::TempDir target;
    const AppendOptions options = optionsOf(folder / "options");
    fs::path one = folder / "One.sesx";
    fs::path two = folder / "Two.sesx";
    if (options.rewriteRelativePaths) {
        const fs::path top = target.path();
        for (const char* name : { "one", "two", "mix" })
            fs::create_directory(top / name);
        fs::copy_file(one, top / "one" / "One.sesx");
        fs::copy_file(two, top / "two" / "Two.sesx");
        one = top / "one" / "One.sesx";
        two = top / "two" / "Two.sesx";
    }
    const std::string targetFolder = options.rewriteRelativePaths ? target.Path("mix") : target.Path();
    const auto outcome = AppendSession(one.string(), two.string(), targetFolder, options);
    if (fs::exists(folder / "fails")) {
        EXPECT_FALSE(outcome.succeeded);
        EXPECT_EQ(std::to_string(outcome.errorNumber) + "\n", test::ReadFile(folder / "fails"));
        EXPECT_EQ(target.Entries(), std::vector<std::string>{});
        return;
    }
    ASSERT_TRUE(outcome.succeeded) << outcome.description;
    // The completion message names both sessions and the new one.
    EXPECT_EQ(OutcomeMessage(outcome).text,
        two.string() + "\r\n appended to \r\n" + one.string() + "\r\n\r\nThe new file is called \r\n\r\n" +
            (fs::path(targetFolder) / "One + Two.sesx").string());
    const std::string expected = test::ReadFile(folder / "expected.sesx");
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
    for (const auto& entry : fs::directory_iterator(TANDEM_GOLDEN_DIR))
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
