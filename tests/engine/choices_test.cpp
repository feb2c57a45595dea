#include "merge_test_support.h"
#include "placement_time.h"
#include "relative_paths.h"
#include "session_tracks.h"

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
        RebaseCase{ "/shows/ep1", "/shows/mix", "../music/a.wav", "../music/a.wav" },
        RebaseCase{ "/shows/ep1", "/shows", "/media/take.wav", std::nullopt },
        RebaseCase{ "/shows/ep1", "/shows", "C:\\media\\take.wav", std::nullopt }
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
    EXPECT_DOUBLE_EQ(ParsePlacementTime("1:30")->seconds, 90);
    EXPECT_DOUBLE_EQ(ParsePlacementTime("100000075.25")->seconds, 100000075.25);
    EXPECT_FALSE(ParsePlacementTime("100000075.25")->samples);
    EXPECT_DOUBLE_EQ(ParsePlacementTime("999999999:00")->seconds, 59999999940);
    for (const char* wrong : { "", "1:60", "1:60:00", "1:2:3:4", "abc", "-5", "1.2.3", "1::2", "1000000000:00" })
        EXPECT_FALSE(ParsePlacementTime(wrong)) << wrong;
    EXPECT_EQ(ParseGapSeconds(".5"), 0.5);
    for (const char* wrong : { "", ".", "-1", "1.2.3", "2s" })
        EXPECT_FALSE(ParseGapSeconds(wrong)) << wrong;
    // However many digits are typed: too small for a double is 0, too large
    // is infinite (and the merge says it is too large).
    EXPECT_EQ(ParsePlacementTime("0." + std::string(400, '0') + "1")->seconds, 0);
    EXPECT_EQ(ParseGapSeconds(std::string(400, '9')), HUGE_VAL);
}

// What the track chooser lists: audio and bus tracks in file order, named
// as a user reads them; video and master tracks are not offered.
TEST(SessionTracks, ListedAsAUserPicksThem)
{
    test::TempDir dir;
    const std::string path = dir.Write("Two.sesx",
        test::Session({ "<tracks>", "<videoTrack id=\"9\">", "<name>Picture</name>", "</videoTrack>",
            "<audioTrack id=\"10001\" index=\"1\">", "<trackParameters>", "<name>Drums &amp; &lt;Bass&gt;</name>",
            "</trackParameters>", "</audioTrack>", "<busTrack id=\"10002\" index=\"2\">", "<name>Mix</name>",
            "</busTrack>", "<audioTrack id=\"10003\" index=\"3\">", "</audioTrack>",
            "<masterTrack id=\"10000\" index=\"4\">", "<name>Master</name>", "</masterTrack>", "</tracks>" }));
    const auto tracks = ListSessionTracks(path);
    ASSERT_EQ(tracks.size(), 3u);
    const SessionTrack expected[] = { { 1, false, "Drums & <Bass>" }, { 2, true, "Mix" }, { 3, false, "" } };
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        EXPECT_EQ(tracks[i].position, expected[i].position) << i;
        EXPECT_EQ(tracks[i].bus, expected[i].bus) << i;
        EXPECT_EQ(tracks[i].name, expected[i].name) << i;
    }
    EXPECT_TRUE(ListSessionTracks(dir.Path("missing.sesx")).empty());
}

} // namespace
} // namespace tandem::engine
