#include "merge_test_support.h"

#include "errors.h"

#include <gtest/gtest.h>

namespace tandem::engine {
namespace {

using test::MergeLines;
using test::Session;
using Lines = std::vector<std::string>;

// Session 1 tracks with ids 10001..10002, so session 2's track 10001 becomes 10003.
const std::string tracks1 = "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n"
                            "<audioTrack id=\"10002\" index=\"2\">\n</audioTrack>\n"
                            "<masterTrack id=\"10000\" index=\"3\">\n</masterTrack>\n</tracks>\n";
const std::string tracks2 = "<?xml?>\n<tracks>\n<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n</tracks>\n";

const std::string groups1 = "<clipGroups>\n<clipGroup hue=\"1\" id=\"0\">\n<name>A</name>\n"
                            "<item clipID=\"0\" trackID=\"10001\"/>\n</clipGroup>\n"
                            "<clipGroup hue=\"2\" id=\"1\">\n<item clipID=\"1\" trackID=\"10002\"/>\n</clipGroup>\n"
                            "</clipGroups>\n";
const std::string groups2 = "<clipGroups>\n<clipGroup hue=\"7\" id=\"0\">\n<name>C</name>\n"
                            "<item clipID=\"3\" trackID=\"10001\"/>\n</clipGroup>\n"
                            "<clipGroup hue=\"8\" id=\"1\" extra=\"x\">\n<item clipID=\"4\" trackID=\"10001\"/>\n"
                            "</clipGroup>\n</clipGroups>\n";
const std::string metronome = "<metronome enabled=\"false\">\n<x/>\n</metronome>\n";

Lines from(const Lines& lines, std::string_view first)
{
    const auto begin = std::find(lines.begin(), lines.end(), first);
    return Lines(begin, lines.end());
}

TEST(ClipGroups, Session2GroupsFollowSession1sWithNewIds)
{
    const auto lines = MergeLines(tracks1 + groups1 + metronome, tracks2 + groups2 + metronome);
    EXPECT_EQ(from(lines, "<clipGroups>"),
        (Lines{ "<clipGroups>", "<clipGroup hue=\"1\" id=\"0\">", "<name>A</name>",
            "<item clipID=\"0\" trackID=\"10001\"/>", "</clipGroup>", "<clipGroup hue=\"2\" id=\"1\">",
            "<item clipID=\"1\" trackID=\"10002\"/>", "</clipGroup>",
            // Ids after session 1's last; what followed the id is dropped.
            "<clipGroup hue=\"7\" id=\"2\">", "<name>C</name>", "<item clipID=\"3\" trackID=\"10003\"/>",
            "</clipGroup>", "<clipGroup hue=\"8\" id=\"3\">", "<item clipID=\"4\" trackID=\"10003\"/>", "</clipGroup>",
            "</clipGroups>", "<metronome enabled=\"false\">", "<x/>", "</metronome>", "" }));
}

TEST(ClipGroups, NumberingFollowsTheLastSession1GroupNotTheLargest)
{
    const std::string unordered = "<clipGroups>\n<clipGroup id=\"9\">\n</clipGroup>\n<clipGroup id=\"4\">\n"
                                  "</clipGroup>\n</clipGroups>\n";
    const auto lines = MergeLines(tracks1 + unordered, tracks2 + groups2);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "<clipGroup hue=\"7\" id=\"5\">"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "<clipGroup hue=\"8\" id=\"6\">"), lines.end());
}

TEST(ClipGroups, Session2WithoutGroupsLeavesSession1sAsTheyAre)
{
    const auto lines = MergeLines(tracks1 + groups1, tracks2 + "<clipGroups/>\n");
    EXPECT_EQ(from(lines, "<clipGroups>"),
        (Lines{ "<clipGroups>", "<clipGroup hue=\"1\" id=\"0\">", "<name>A</name>",
            "<item clipID=\"0\" trackID=\"10001\"/>", "</clipGroup>", "<clipGroup hue=\"2\" id=\"1\">",
            "<item clipID=\"1\" trackID=\"10002\"/>", "</clipGroup>", "</clipGroups>", "" }));
}

const Lines session2Block = { "<clipGroups>", "<clipGroup hue=\"7\" id=\"0\">", "<name>C</name>",
    "<item clipID=\"3\" trackID=\"10003\"/>", "</clipGroup>", "<clipGroup hue=\"8\" id=\"1\" extra=\"x\">",
    "<item clipID=\"4\" trackID=\"10003\"/>", "</clipGroup>", "</clipGroups>" };

Lines concat(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct PlacementCase {
    const char* name;
    std::string session1Rest;
    Lines expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class ClipGroupPlacementTest : public testing::TestWithParam<PlacementCase> { };

// Session 1 without a "<clipGroups>" block: session 2's block is placed once,
// keeping its group ids, at the first place that can hold it.
TEST_P(ClipGroupPlacementTest, Session2BlockIsPlacedOnce)
{
    EXPECT_EQ(from(MergeLines(tracks1 + GetParam().session1Rest, tracks2 + groups2), "</tracks>"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ClipGroups, ClipGroupPlacementTest,
    testing::Values(PlacementCase{ "InPlaceOfEmptyBlock", "<clipGroups/>\n" + metronome,
                        concat(concat({ "</tracks>" }, session2Block),
                            { "<metronome enabled=\"false\">", "<x/>", "</metronome>", "" }) },
        PlacementCase{ "BeforeTheMetronome", metronome,
            concat(concat({ "</tracks>" }, session2Block),
                { "<metronome enabled=\"false\">", "<x/>", "</metronome>", "" }) },
        // An empty block after the metronome stays empty: the groups went before the metronome.
        PlacementCase{ "EmptyBlockAfterTheMetronome", metronome + "<clipGroups/>\n",
            concat(concat({ "</tracks>" }, session2Block),
                { "<metronome enabled=\"false\">", "<x/>", "</metronome>", "<clipGroups/>", "" }) }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipGroups, BothEmptyKeepOneEmptyBlock)
{
    const auto lines = MergeLines(tracks1 + "<clipGroups/>\n" + metronome, tracks2 + "<clipGroups/>\n" + metronome);
    EXPECT_EQ(from(lines, "</tracks>"),
        (Lines{ "</tracks>", "<clipGroups/>", "<metronome enabled=\"false\">", "<x/>", "</metronome>", "" }));
}

TEST(ClipGroups, UnclosedSession1GroupIdIsAnInvalidArgument)
{
    test::TempDir dir;
    const auto outcome =
        test::MergeOutcome(dir, tracks1 + "<clipGroups>\n<clipGroup id=\"0>\n</clipGroups>\n", tracks2 + groups2);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.phase, Phase::Write);
    EXPECT_EQ(outcome.errorNumber, platform::ErrorNumber::InvalidArgument);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{ "One.sesx", "Two.sesx" }));
}

} // namespace
} // namespace tandem::engine
