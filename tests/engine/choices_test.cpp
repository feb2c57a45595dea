#include "placement_time.h"
#include "relative_paths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tandem::engine {
namespace {

struct RebaseCase {
    const char* sessionFolder;
    const char* targetFolder;
    const char* path;
    std::optional<std::string> expected;
};

class RebaseTest : public testing::TestWithParam<RebaseCase> { };

// A media path relative to its session's folder, read from the target.
TEST_P(RebaseTest, NamesTheSameFileFromTheTarget)
{
    const auto rebase = PathRebase::Between(GetParam().sessionFolder, GetParam().targetFolder);
    EXPECT_EQ(rebase ? rebase->Rebased(GetParam().path) : std::nullopt, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Choices, RebaseTest,
    testing::Values(RebaseCase{ "/shows/ep1", "/shows/ep1/", "take.wav", std::nullopt },
        RebaseCase{ "/shows/ep1", "/shows/mix", "take.wav", "../ep1/take.wav" },
        RebaseCase{ "/shows/ep1", "/shows/ep1/mix/out", "../music/intro.wav", "../../../music/intro.wav" },
        RebaseCase{ "/shows/ep1", "/", "./take.wav", "shows/ep1/take.wav" },
        RebaseCase{
            "/shows/ep1", "/other", "Audio\\Originals\\take.wav", "..\\shows\\ep1\\Audio\\Originals\\take.wav" },
        RebaseCase{ "/shows/ep1", "/shows", "/media/take.wav", std::nullopt }
#ifdef _WIN32
        ,
        RebaseCase{ "C:\\shows", "D:\\mix", "take.wav", std::nullopt },
        RebaseCase{ "C:\\Shows\\Ep1", "c:\\shows\\mix", "take.wav", "../Ep1/take.wav" }
#endif
        ));

TEST(Placement, TimesAsTyped)
{
    EXPECT_EQ(ParsePlacementTime("144000")->samples, 144000);
    EXPECT_DOUBLE_EQ(ParsePlacementTime("1:02:03.500")->seconds, 3723.5);
    EXPECT_DOUBLE_EQ(ParsePlacementTime("2:03.5")->seconds, 123.5);
    EXPECT_DOUBLE_EQ(ParsePlacementTime("3.25")->seconds, 3.25);
    EXPECT_FALSE(ParsePlacementTime("3.25")->samples);
    for (const char* wrong : { "", "1:60", "1:60:00", "1:2:3:4", "abc", "-5", "1.2.3", "1::2" })
        EXPECT_FALSE(ParsePlacementTime(wrong)) << wrong;
    EXPECT_EQ(ParseGapSeconds(".5"), 0.5);
    for (const char* wrong : { "", ".", "-1", "1.2.3", "2s" })
        EXPECT_FALSE(ParseGapSeconds(wrong)) << wrong;
    // However many digits are typed: too small for a double is 0, too large
    // is infinite (and the merge says it is too large).
    EXPECT_EQ(ParsePlacementTime("0." + std::string(400, '0') + "1")->seconds, 0);
    EXPECT_EQ(ParseGapSeconds(std::string(400, '9')), HUGE_VAL);
}

} // namespace
} // namespace tandem::engine
