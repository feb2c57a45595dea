#include "merge_test_support.h"
#include "placement_time.h"
#include "relative_paths.h"

#include "errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tandem::engine {
namespace {

using test::MergeLines;
using test::Session;
using Lines = std::vector<std::string>;

bool has(const Lines& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Cue markers: session 2's entries join session 1's list.
std::string cueMarkers(std::initializer_list<std::string_view> entries)
{
    std::string text = Session({ "<xmpMetadata>", "<rdf:Bag>", "<rdf:li>",
        "<xmpDM:trackName>CuePoint Markers</xmpDM:trackName>", "<xmpDM:markers>", "<rdf:Seq>" });
    for (const std::string_view entry : entries)
        text += Session({ "<rdf:li>", entry, "</rdf:li>" });
    return text + Session({ "</rdf:Seq>", "</xmpDM:markers>", "</rdf:li>", "</rdf:Bag>", "</xmpMetadata>" });
}

const std::string placed1 =
    Session({ "<session duration=\"1000\" sampleRate=\"1000\">", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
        "<audioClip endPoint=\"900\" fileID=\"0\" id=\"0\" startPoint=\"0\"/>", "</audioTrack>",
        "<masterTrack id=\"10000\" index=\"2\">", "</masterTrack>", "</tracks>" }) +
    cueMarkers({}) + Session({ "</session>" });
const std::string placed2 =
    Session({ "<session duration=\"500\" sampleRate=\"1000\">", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
        "<parameterKeyframe sampleOffset=\"10\" value=\"1\"/>",
        "<audioClip endPoint=\"400\" fileID=\"0\" id=\"0\" startPoint=\"100\">",
        "<parameterKeyframe sampleOffset=\"20\" value=\"1\"/>", "</audioClip>",
        "<parameterKeyframe sampleOffset=\"450\" value=\"0\"/>", "</audioTrack>",
        "<masterTrack id=\"10000\" index=\"2\">", "</masterTrack>", "</tracks>" }) +
    cueMarkers({ "<xmpDM:startTime>30</xmpDM:startTime>", "<xmpDM:startTime>f30</xmpDM:startTime>" }) +
    Session({ "</session>" });

struct PlacementCase {
    const char* name;
    Placement placement;
    double seconds;
    std::optional<std::int64_t> samples;
    Lines expected;
};

class PlacementTest : public testing::TestWithParam<PlacementCase> { };

// Clips and track automation move; keyframes inside a clip count from the
// clip and stay; the session lasts to the later end.
TEST_P(PlacementTest, MovesSession2sTimesOnly)
{
    AppendOptions options;
    options.placement = GetParam().placement;
    options.gapSeconds = GetParam().seconds;
    options.atSeconds = GetParam().seconds;
    options.atSamples = GetParam().samples;
    const Lines lines = MergeLines(placed1, placed2, options);
    for (const std::string& line : GetParam().expected)
        EXPECT_TRUE(has(lines, line)) << line;
    EXPECT_TRUE(has(lines, "<parameterKeyframe sampleOffset=\"20\" value=\"1\"/>"));
    EXPECT_TRUE(has(lines, "<audioClip endPoint=\"900\" fileID=\"0\" id=\"0\" startPoint=\"0\"/>"));
    EXPECT_TRUE(has(lines, "<xmpDM:startTime>f30</xmpDM:startTime>"));
}

INSTANTIATE_TEST_SUITE_P(Choices, PlacementTest,
    testing::Values(PlacementCase{ "AsRecorded", Placement::AsRecorded, 0, std::nullopt,
                        { "<session duration=\"1000\" sampleRate=\"1000\">",
                            "<audioClip endPoint=\"400\" fileID=\"1\" id=\"0\" startPoint=\"100\">",
                            "<parameterKeyframe sampleOffset=\"10\" value=\"1\"/>" } },
        // After the end of session 1's last clip (900) and a gap of 2 s at
        // session 1's 1000 Hz.
        PlacementCase{ "AfterFile1", Placement::AfterFile1, 2, std::nullopt,
            { "<session duration=\"3400\" sampleRate=\"1000\">",
                "<audioClip endPoint=\"3300\" fileID=\"1\" id=\"0\" startPoint=\"3000\">",
                "<parameterKeyframe sampleOffset=\"2910\" value=\"1\"/>",
                "<parameterKeyframe sampleOffset=\"3350\" value=\"0\"/>", "<xmpDM:startTime>2930</xmpDM:startTime>" } },
        PlacementCase{ "AtSeconds", Placement::At, 0.25, std::nullopt,
            { "<session duration=\"1000\" sampleRate=\"1000\">",
                "<audioClip endPoint=\"650\" fileID=\"1\" id=\"0\" startPoint=\"350\">" } },
        PlacementCase{ "AtSamples", Placement::At, 0, 5000000000,
            { "<session duration=\"5000000500\" sampleRate=\"1000\">",
                "<audioClip endPoint=\"5000000400\" fileID=\"1\" id=\"0\" startPoint=\"5000000100\">" } }),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(Placement, AnOffsetBeyondTheNumbersOrASecondWithoutARateFails)
{
    test::TempDir dir;
    AppendOptions options;
    options.placement = Placement::At;
    options.atSamples = INT64_MAX - 100;
    EXPECT_EQ(test::MergeOutcome(dir, placed1, placed2, options).errorNumber, platform::ErrorNumber::Overflow);
    options.atSamples.reset();
    options.atSeconds = 1;
    const std::string withoutRate = Session({ "<session>", "<tracks>", "<masterTrack id=\"10000\" index=\"1\">",
        "</masterTrack>", "</tracks>", "</session>" });
    EXPECT_EQ(
        test::MergeOutcome(dir, withoutRate, placed2, options).errorNumber, platform::ErrorNumber::InvalidArgument);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{ "One.sesx", "Two.sesx" }));
}

const std::string chosen1 = Session({ "<tracks>", "<audioTrack id=\"10001\" index=\"1\">", "</audioTrack>",
    "<masterTrack id=\"10000\" index=\"2\">", "</masterTrack>", "</tracks>" });
const std::string chosen2 = Session({ "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
    "<trackOutput outputID=\"10003\" type=\"trackID\"/>", "<sendSlot sendOutputID=\"10003\" slotIndex=\"0\">",
    "</audioTrack>", "<audioTrack id=\"10002\" index=\"2\">", "<audioClip fileID=\"0\" id=\"0\"/>", "</audioTrack>",
    "<busTrack id=\"10003\" index=\"3\">", "</busTrack>", "<masterTrack id=\"10000\" index=\"4\">", "</masterTrack>",
    "</tracks>", "<clipGroups>", "<clipGroup hue=\"1\" id=\"0\">", "<item clipID=\"0\" trackID=\"10001\"/>",
    "<item clipID=\"0\" trackID=\"10002\"/>", "</clipGroup>", "<clipGroup hue=\"2\" id=\"1\">",
    "<item clipID=\"0\" trackID=\"10002\"/>", "</clipGroup>", "</clipGroups>", "<files>",
    "<file id=\"0\" relativePath=\"a.wav\"/>", "</files>" });

// A track left out takes its clip-group members with it, and a group left
// without members; what was routed to it goes to the master; the written
// tracks take the indexes one after the other; its media file stays.
TEST(Tracks, TracksLeftOut)
{
    AppendOptions options;
    options.tracks = std::vector<int>{ 1, 3 };
    const Lines lines = MergeLines(chosen1 + Session({ "<clipGroups/>", "<files/>" }), chosen2, options);
    EXPECT_EQ(Lines(lines.begin() + 3, lines.begin() + 10),
        (Lines{ "<audioTrack id=\"10002\" index=\"3\">", "<trackOutput outputID=\"10004\" type=\"trackID\"/>",
            "<sendSlot sendOutputID=\"10004\" slotIndex=\"0\">", "</audioTrack>", "<busTrack id=\"10004\" index=\"4\">",
            "</busTrack>", "<masterTrack id=\"19999\" index=\"5\">" }));
    EXPECT_EQ(Lines(lines.begin() + 12, lines.begin() + 17),
        (Lines{ "<clipGroups>", "<clipGroup hue=\"1\" id=\"0\">", "<item clipID=\"0\" trackID=\"10002\"/>",
            "</clipGroup>", "</clipGroups>" }));
    EXPECT_TRUE(has(lines, "<file id=\"1\" relativePath=\"a.wav\"/>"));

    options.tracks = std::vector<int>{ 1, 2 };
    const Lines withoutBus = MergeLines(chosen1, chosen2, options);
    EXPECT_TRUE(has(withoutBus, "<trackOutput outputID=\"19999\" type=\"trackID\"/>"));
    EXPECT_TRUE(has(withoutBus, "<sendSlot sendOutputID=\"19999\" slotIndex=\"0\">"));
    EXPECT_FALSE(has(withoutBus, "<busTrack id=\"10004\" index=\"5\">"));

    // Every track ticked is the classic merge, byte for byte.
    options.tracks = std::vector<int>{ 3, 2, 1 };
    EXPECT_EQ(MergeLines(chosen1, chosen2, options), MergeLines(chosen1, chosen2));
}

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
