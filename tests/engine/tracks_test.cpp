#include "merge_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tandem::engine {
namespace {

using test::MergeLines;
using test::Session;
using Lines = std::vector<std::string>;

// The lines from the first that starts with `from` through the first after
// it that starts with `to`.
Lines section(const Lines& lines, std::string_view from, std::string_view to)
{
    const auto starts = [](std::string_view prefix) {
        return [prefix](const std::string& line) { return line.rfind(prefix, 0) == 0; };
    };
    const auto begin = std::find_if(lines.begin(), lines.end(), starts(from));
    if (begin == lines.end())
        return {};
    const auto end = std::find_if(begin + 1, lines.end(), starts(to));
    return Lines(begin, end == lines.end() ? end : end + 1);
}

const std::string session1 = Session({
    "<?xml version=\"1.0\"?>",
    "<session sampleRate=\"48000\">",
    "  <name>One.sesx</name>",
    "  <tracks>",
    "    <audioTrack id=\"10001\" index=\"1\">",
    "      <trackOutput outputID=\"10000\" type=\"trackID\"/>",
    "    </audioTrack>",
    "    <audioTrack id=\"10002\" index=\"2\">",
    "      <sendSlot sendOutputID=\"10003\" slotIndex=\"0\">",
    "      <trackOutput outputID=\"10003\" type=\"trackID\"/>",
    "    </audioTrack>",
    "    <busTrack id=\"10003\" index=\"3\">",
    "      <trackOutput outputID=\"10000\" type=\"trackID\"/>",
    "    </busTrack>",
    "    <masterTrack id=\"10000\" index=\"4\">",
    "      <trackOutput outputID=\"1\" type=\"hardwareOutput\"/>",
    "    </masterTrack>",
    "  </tracks>",
    "</session>",
});

const std::string session2 = Session({
    "<?xml version=\"1.0\"?>",
    "<session sampleRate=\"44100\">",
    "  <name>Two.sesx</name>",
    "  <tracks>",
    "    <audioTrack id=\"10001\" index=\"1\">",
    "      <audioClip fileID=\"0\" id=\"0\" name=\"a\">",
    "      </audioClip>",
    "      <sendSlot sendOutputID=\"10002\" slotIndex=\"0\">",
    "      <sendSlot sendOutputID=\"0\" slotIndex=\"1\">",
    "      <trackOutput outputID=\"10000\" type=\"trackID\"/>",
    "    </audioTrack>",
    "    <busTrack id=\"10002\" index=\"2\">",
    "      <sendSlot sendOutputID=\"10000\" slotIndex=\"0\">",
    "      <trackOutput outputID=\"4\" type=\"hardwareOutput\"/>",
    "    </busTrack>",
    "    <masterTrack id=\"10000\" index=\"3\">",
    "      <trackOutput outputID=\"2\" type=\"hardwareOutput\"/>",
    "    </masterTrack>",
    "  </tracks>",
    "  <sessionState ctiPosition=\"5\">",
    "  </sessionState>",
    "</session>",
});

TEST(Tracks, Session2TracksGoBeforeSession1sMasterRenumbered)
{
    const Lines expected = {
        "<?xml version=\"1.0\"?>",
        "<session sampleRate=\"48000\">",
        "<name>One+Two</name>",
        "<tracks>",
        "<audioTrack id=\"10001\" index=\"1\">",
        "<trackOutput outputID=\"19999\" type=\"trackID\"/>",
        "</audioTrack>",
        "<audioTrack id=\"10002\" index=\"2\">",
        // Session 1's bus routing stays as it was.
        "<sendSlot sendOutputID=\"10003\" slotIndex=\"0\">",
        "<trackOutput outputID=\"10003\" type=\"trackID\"/>",
        "</audioTrack>",
        "<busTrack id=\"10003\" index=\"3\">",
        "<trackOutput outputID=\"19999\" type=\"trackID\"/>",
        "</busTrack>",
        // Session 2's tracks move past session 1's highest id and index.
        "<audioTrack id=\"10004\" index=\"5\">",
        "<audioClip fileID=\"1\" id=\"0\" name=\"a\">",
        "</audioClip>",
        "<sendSlot sendOutputID=\"10005\" slotIndex=\"0\">",
        "<sendSlot sendOutputID=\"0\" slotIndex=\"1\">",
        "<trackOutput outputID=\"19999\" type=\"trackID\"/>",
        "</audioTrack>",
        "<busTrack id=\"10005\" index=\"6\">",
        "<sendSlot sendOutputID=\"19999\" slotIndex=\"0\">",
        "<trackOutput outputID=\"4\" type=\"hardwareOutput\"/>",
        "</busTrack>",
        "<masterTrack id=\"19999\" index=\"7\">",
        "<trackOutput outputID=\"1\" type=\"hardwareOutput\"/>",
        "</masterTrack>",
        "</tracks>",
        "</session>",
        "",
    };
    EXPECT_EQ(MergeLines(session1, session2), expected);
}

TEST(Tracks, Session2WithoutTracksLeavesTheMasterAfterSession1sTracks)
{
    const auto lines = MergeLines(session1, Session({ "<?xml?>", "<masterTrack id=\"10000\" index=\"1\">" }));
    EXPECT_EQ(section(lines, "<masterTrack ", "</tracks>"),
        (Lines{ "<masterTrack id=\"19999\" index=\"4\">", "<trackOutput outputID=\"1\" type=\"hardwareOutput\"/>",
            "</masterTrack>", "</tracks>" }));
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.rfind("<audioTrack", 0) == 0; }), 2);
}

TEST(Tracks, Session1WithoutTracksKeepsSession2IdsAndMovesIndexesByOne)
{
    const auto only =
        Session({ "<?xml?>", "<tracks>", "<masterTrack id=\"10000\" index=\"1\">", "</masterTrack>", "</tracks>" });
    const auto lines = MergeLines(only, session2);
    EXPECT_EQ(section(lines, "<tracks>", "</tracks>"),
        (Lines{
            "<tracks>",
            "<audioTrack id=\"10001\" index=\"2\">",
            "<audioClip fileID=\"1\" id=\"0\" name=\"a\">",
            "</audioClip>",
            "<sendSlot sendOutputID=\"10002\" slotIndex=\"0\">",
            "<sendSlot sendOutputID=\"0\" slotIndex=\"1\">",
            "<trackOutput outputID=\"19999\" type=\"trackID\"/>",
            "</audioTrack>",
            "<busTrack id=\"10002\" index=\"3\">",
            "<sendSlot sendOutputID=\"19999\" slotIndex=\"0\">",
            "<trackOutput outputID=\"4\" type=\"hardwareOutput\"/>",
            "</busTrack>",
            "<masterTrack id=\"19999\" index=\"4\">",
            "</masterTrack>",
            "</tracks>",
        }));
}

TEST(Tracks, MasterIdsOtherThanTenThousand)
{
    const auto one = Session({ "<?xml?>", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
        "<trackOutput outputID=\"5\" type=\"trackID\"/>", "</audioTrack>", "<masterTrack id=\"5\" index=\"2\">",
        "</masterTrack>", "</tracks>" });
    const auto two = Session({ "<?xml?>", "<tracks>", "<busTrack id=\"10001\" index=\"1\">",
        "<trackOutput outputID=\"7\" type=\"trackID\"/>", "</busTrack>", "<masterTrack id=\"7\" index=\"2\">",
        "</masterTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(one, two), "<tracks>", "</tracks>"),
        (Lines{ "<tracks>", "<audioTrack id=\"10001\" index=\"1\">", "<trackOutput outputID=\"11\" type=\"trackID\"/>",
            "</audioTrack>", "<busTrack id=\"10002\" index=\"3\">", "<trackOutput outputID=\"11\" type=\"trackID\"/>",
            "</busTrack>", "<masterTrack id=\"11\" index=\"4\">", "</masterTrack>", "</tracks>" }));
}

TEST(Tracks, Session2WithoutMasterKeepsTargetsAtOrBelowTenThousand)
{
    const auto two = Session({ "<?xml?>", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
        "<trackOutput outputID=\"10000\" type=\"trackID\"/>", "</audioTrack>", "</tracks>" });
    const auto lines = MergeLines(session1, two);
    EXPECT_EQ(section(lines, "<audioTrack id=\"10004\"", "<masterTrack "),
        (Lines{ "<audioTrack id=\"10004\" index=\"5\">", "<trackOutput outputID=\"10000\" type=\"trackID\"/>",
            "</audioTrack>", "<masterTrack id=\"10000\" index=\"6\">" }));
}

// Lines whose attribute lacks its closing quote, and track lines that cannot
// be renumbered.
TEST(Tracks, IncompleteLinesAreKeptOrLeftOutByKind)
{
    const auto one = Session({ "<?xml?>", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
        "<trackOutput outputID=\"10000 type=trackID/>", "</audioTrack>", "<masterTrack id=\"10000\" index=\"2\">",
        "</masterTrack>", "</tracks>" });
    const auto two = Session({
        "<?xml?>",
        "<tracks>",
        "<audioTrack id=\"10001\">",
        "<audioClip fileID=\"3 id=0>",
        "<sendSlot slotIndex=\"0\">",
        "<trackOutput outputID=\"10000 type=trackID/>",
        "</audioTrack>",
        "<busTrack id=\"10002\" index=\"2\">",
        "<sendSlot slotIndex=\"0\">",
        "<trackOutput type=\"trackID\"/>",
        "</busTrack>",
        "<masterTrack id=\"10000\" index=\"3\">",
        "</masterTrack>",
        "</tracks>",
    });
    EXPECT_EQ(section(MergeLines(one, two), "<tracks>", "</tracks>"),
        (Lines{
            "<tracks>",
            "<audioTrack id=\"10001\" index=\"1\">",
            "<trackOutput outputID=\"10000 type=trackID/>",
            "</audioTrack>",
            // No index: the track line is left out, its body is not.
            "<audioClip fileID=\"3 id=0>",
            "<sendSlot slotIndex=\"0\">",
            "</audioTrack>",
            "<busTrack id=\"10003\" index=\"4\">",
            "</busTrack>",
            "<masterTrack id=\"19999\" index=\"5\">",
            "</masterTrack>",
            "</tracks>",
        }));
}

TEST(Tracks, MasterLineWithoutIndexIsLeftOut)
{
    const auto one =
        Session({ "<?xml?>", "<tracks>", "<masterTrack id=\"10000\">", "<x/>", "</masterTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(one, session2), "</busTrack>", "</tracks>"),
        (Lines{ "</busTrack>", "<x/>", "</masterTrack>", "</tracks>" }));
}

TEST(Tracks, IndexBeforeIdIsRenumberedInPlace)
{
    const auto two = Session({ "<?xml?>", "<tracks>", "<audioTrack index=\"1\" select=\"true\" id=\"10001\">",
        "</audioTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(session1, two), "<audioTrack index", "</audioTrack>"),
        (Lines{ "<audioTrack index=\"5\" select=\"true\" id=\"10004\">", "</audioTrack>" }));
}

const std::string videoTrack1 = "<videoTrack id=\"0\" select=\"false\">";

TEST(Tracks, Session1VideoBeforeItsMasterWins)
{
    const auto one = Session({ "<?xml?>", "<tracks>", videoTrack1, "<videoClip fileID=\"1\" id=\"0\">", "</videoTrack>",
        "<masterTrack id=\"10000\" index=\"1\">", "</masterTrack>", "</tracks>" });
    const auto two = Session({ "<?xml?>", "<tracks>", "<videoTrack id=\"0\" select=\"true\">",
        "<videoClip fileID=\"2\" id=\"0\">", "</videoTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(one, two), "<tracks>", "</tracks>"),
        (Lines{ "<tracks>", videoTrack1, "<videoClip fileID=\"1\" id=\"0\">", "</videoTrack>",
            "<masterTrack id=\"10000\" index=\"1\">", "</masterTrack>", "</tracks>" }));
}

TEST(Tracks, Session2VideoTakesItsFileIdsAlong)
{
    const auto one = Session({ "<?xml?>", "<tracks>", "<masterTrack id=\"10000\" index=\"1\">", "</masterTrack>",
        "</tracks>", "<files>", "<file id=\"0\"/>", "<file id=\"1\"/>", "</files>" });
    const auto two = Session({ "<?xml?>", "<tracks>", "<videoTrack id=\"0\" select=\"true\">",
        "<videoClip endPoint=\"9\" fileID=\"2\" id=\"0\">", "<videoFormat height=\"720\"/>", "</videoClip>",
        "</videoTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(one, two), "<tracks>", "</tracks>"),
        (Lines{ "<tracks>", "<videoTrack id=\"0\" select=\"true\">", "<videoClip endPoint=\"9\" fileID=\"4\" id=\"0\">",
            "<videoFormat height=\"720\"/>", "</videoClip>", "</videoTrack>", "<masterTrack id=\"10000\" index=\"1\">",
            "</masterTrack>", "</tracks>" }));
}

TEST(Tracks, TrackIdsAboveTheShiftBaseAndSessionsWithSmallIds)
{
    // With session 1's ids at or below 10000 the shift is a plain addition.
    const auto one = Session({ "<?xml?>", "<tracks>", "<audioTrack id=\"3\" index=\"1\">", "</audioTrack>",
        "<masterTrack id=\"1\" index=\"2\">", "</masterTrack>", "</tracks>" });
    const auto two = Session(
        { "<?xml?>", "<tracks>", "<busTrack id=\"2\" index=\"1\">", "<sendSlot sendOutputID=\"10005\" slotIndex=\"0\">",
            "<trackOutput outputID=\"10000\" type=\"trackID\"/>", "</busTrack>", "</tracks>" });
    EXPECT_EQ(section(MergeLines(one, two), "<busTrack ", "</busTrack>"),
        (Lines{ "<busTrack id=\"5\" index=\"3\">", "<sendSlot sendOutputID=\"10008\" slotIndex=\"0\">",
            "<trackOutput outputID=\"10000\" type=\"trackID\"/>", "</busTrack>" }));
}

TEST(Tracks, LongLinesMergeLikeShortOnes)
{
    const std::string longName(70000, 'n');
    const std::string clip = "<audioClip name=\"" + longName + "\" fileID=\"0\" id=\"0\">";
    const auto two =
        Session({ "<?xml?>", "<tracks>", "<audioTrack id=\"10001\" index=\"1\">", clip, "</audioTrack>", "</tracks>" });
    const auto lines = MergeLines(session1, two);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "<audioClip name=\"" + longName + "\" fileID=\"1\" id=\"0\">"),
        lines.end());
}

} // namespace
} // namespace tandem::engine

namespace tandem::engine {
namespace {

// Session 2's track 19998 moves to 19999, the id the master would take
// (10000 + 10000 - 1): the master takes the id after every track instead,
// and everything routed to it follows.
TEST(Tracks, TheNewMasterIdNeverCollidesWithATrack)
{
    const auto session = [](const char* trackId) {
        return test::Session({ "<tracks>", std::string("<audioTrack id=\"") + trackId + "\" index=\"1\">",
            "<trackOutput outputID=\"10000\" type=\"trackID\"/>", "</audioTrack>",
            "<masterTrack id=\"10000\" index=\"2\">", "</masterTrack>", "</tracks>" });
    };
    EXPECT_EQ(test::MergeLines(session("10001"), session("19998")),
        (std::vector<std::string>{ "<tracks>", "<audioTrack id=\"10001\" index=\"1\">",
            "<trackOutput outputID=\"20000\" type=\"trackID\"/>", "</audioTrack>",
            "<audioTrack id=\"19999\" index=\"3\">", "<trackOutput outputID=\"20000\" type=\"trackID\"/>",
            "</audioTrack>", "<masterTrack id=\"20000\" index=\"4\">", "</masterTrack>", "</tracks>", "" }));
}

} // namespace
} // namespace tandem::engine
