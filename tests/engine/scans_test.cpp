#include "merge_test_support.h"
#include "scans.h"

#include <gtest/gtest.h>

namespace tandem::engine {
namespace {

using test::Session;

MergeState scanned(std::string_view text1, std::string_view text2)
{
    const SessionLines session1 = SessionLines::FromText(text1);
    const SessionLines session2 = SessionLines::FromText(text2);
    MergeState state;
    Scan1(session1, state);
    Scan2(session2, state);
    Scan3(session1, state);
    return state;
}

TEST(Scans, Session1FileAndMasterIdsUpToTheEndOfItsFileList)
{
    const auto session1 = Session({
        "<?xml?>",
        "<masterTrack id=\"10000\" index=\"3\">",
        "<files>",
        "\t<file id=\"4\"/>",
        "<file id=\"9\"/>",
        "<file id=\"2\"/>",
        "</files>",
        "<file id=\"50\"/>",
    });
    const auto session2 = Session({ "<?xml?>", "<masterTrack id=\"10000\" index=\"1\">" });
    const MergeState state = scanned(session1, session2);
    EXPECT_EQ(state.maxFileId, 9);
    EXPECT_EQ(state.ownMasterId1, 10000);
    EXPECT_EQ(state.ownMasterId2, 10000);
    EXPECT_EQ(state.masterId, 19999);
}

TEST(Scans, MasterAfterTheFileListIsNotSession1sMaster)
{
    const auto session1 = Session({ "<?xml?>", "<files/>", "</files>", "<masterTrack id=\"10000\" index=\"3\">" });
    const auto session2 = Session({ "<?xml?>", "<masterTrack id=\"10000\" index=\"1\">" });
    const MergeState state = scanned(session1, session2);
    EXPECT_FALSE(state.ownMasterId1.has_value());
    EXPECT_EQ(state.masterId, 9999);
}

TEST(Scans, Session2SectionPositions)
{
    const auto session2 = Session({
        "<?xml?>", // 0
        "<clipGroups>", // 1
        "</clipGroups>", // 2
        "<AEScart:Version>x", // 3
        "<files/>", // 4
        "<files>", // 5
        "</files>", // 6
    });
    const MergeState state = scanned(Session({ "<?xml?>" }), session2);
    EXPECT_EQ(state.clipGroupsLine2, 1u);
    EXPECT_EQ(state.cartLine2, 3u);
    EXPECT_EQ(state.filesLine2, 5u);
}

TEST(Scans, EmptyFileListDoesNotSetTheFilesLine)
{
    const MergeState state = scanned(Session({ "<?xml?>" }), Session({ "<?xml?>", "<files/>" }));
    EXPECT_EQ(state.filesLine2, 0u);
}

// Marker kinds as Audition writes them: a kind with entries has its list,
// a kind without entries has none.
std::string markerBag(bool cueList, bool cdList, bool subclipList)
{
    std::string text = "<?xml?>\n<rdf:Bag>\n";
    const auto kind = [&](const char* name, bool withList) {
        text += "<rdf:li rdf:parseType=\"Resource\">\n<xmpDM:trackName>";
        text += name;
        text += "</xmpDM:trackName>\n";
        if (withList)
            text += "<xmpDM:markers>\n<rdf:Seq>\n<rdf:li>\n</rdf:li>\n</rdf:Seq>\n</xmpDM:markers>\n";
        text += "</rdf:li>\n";
    };
    kind("CuePoint Markers", cueList);
    kind("CD Track Markers", cdList);
    kind("Subclip Markers", subclipList);
    text += "</rdf:Bag>\n<clipGroups>\n";
    return text;
}

struct MarkerCase {
    bool cue, cd, subclip;
    std::size_t cueLine, cdLine, subclipLine;
};

void PrintTo(const MarkerCase& c, std::ostream* os) { *os << "lists " << c.cue << c.cd << c.subclip; }

class MarkerScanTest : public testing::TestWithParam<MarkerCase> { };

TEST_P(MarkerScanTest, EachKindFindsOnlyItsOwnList)
{
    const MarkerCase& c = GetParam();
    const std::string bag = markerBag(c.cue, c.cd, c.subclip);
    const MergeState state = scanned(bag, bag);
    EXPECT_EQ(state.cueMarkersLine1, c.cueLine);
    EXPECT_EQ(state.cdMarkersLine1, c.cdLine);
    EXPECT_EQ(state.subclipMarkersLine1, c.subclipLine);
    EXPECT_EQ(state.cueMarkersLine2, c.cueLine);
    EXPECT_EQ(state.cdMarkersLine2, c.cdLine);
    EXPECT_EQ(state.subclipMarkersLine2, c.subclipLine);
    // The scan goes on after the bag.
    EXPECT_TRUE(state.hasClipGroups1);
    EXPECT_GT(state.clipGroupsLine2, 0u);
}

// The bag opens at line 1; a kind takes 3 lines, or 9 with its list, whose
// "<xmpDM:markers>" is the kind's third line.
INSTANTIATE_TEST_SUITE_P(Scans, MarkerScanTest,
    testing::Values(MarkerCase{ true, true, true, 4, 13, 22 }, MarkerCase{ false, false, false, 0, 0, 0 },
        MarkerCase{ false, true, false, 0, 7, 0 }, MarkerCase{ false, false, true, 0, 0, 10 },
        MarkerCase{ true, false, true, 4, 0, 16 }));

TEST(Scans, LaterBagOverwritesAnEarlierFind)
{
    const std::string bag = markerBag(true, false, false);
    const std::string twice = bag + bag.substr(bag.find('\n') + 1);
    const MergeState state = scanned(twice, twice);
    // The second bag starts 18 lines after the first.
    EXPECT_EQ(state.cueMarkersLine1, 4u + 18u);
}

} // namespace
} // namespace tandem::engine
