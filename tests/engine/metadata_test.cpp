#include "merge_test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace tandem::engine {
namespace {

using test::MergeLines;
using Lines = std::vector<std::string>;
using Entries = std::optional<std::vector<std::string>>;

// One marker kind as Audition writes it: a kind with entries has a list.
Lines markerKind(const std::string& name, const Entries& entries)
{
    Lines lines = { "<rdf:li rdf:parseType=\"Resource\">", "<xmpDM:trackName>" + name + "</xmpDM:trackName>" };
    if (entries) {
        lines.insert(lines.end(), { "<xmpDM:markers>", "<rdf:Seq>" });
        for (const auto& entry : *entries)
            lines.insert(lines.end(),
                { "<rdf:li rdf:parseType=\"Resource\">", "<xmpDM:name>" + entry + "</xmpDM:name>", "</rdf:li>" });
        lines.insert(lines.end(), { "</rdf:Seq>", "</xmpDM:markers>" });
    }
    lines.push_back("</rdf:li>");
    return lines;
}

const std::string xmpOpening = "<xmpMetadata><![CDATA[<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>";
const std::string xmpClosing = "<?xpacket end=\"w\"?>]]></xmpMetadata>";

Lines metadata(const std::vector<Lines>& kinds, const Lines& cart = {})
{
    Lines lines = { xmpOpening, "<rdf:Description>" };
    lines.insert(lines.end(), cart.begin(), cart.end());
    lines.push_back("<rdf:Bag>");
    for (const auto& kind : kinds)
        lines.insert(lines.end(), kind.begin(), kind.end());
    lines.insert(lines.end(), { "</rdf:Bag>", "</rdf:Description>", xmpClosing });
    return lines;
}

std::string sessionWith(const Lines& block)
{
    std::string text = "<?xml?>\n";
    for (const auto& line : block)
        text += line + "\n";
    return text + "<clipGroups/>\n";
}

Lines merged(const Lines& block1, const Lines& block2)
{
    Lines lines = MergeLines(sessionWith(block1), sessionWith(block2));
    // Drop the declaration and what follows the block.
    return Lines(lines.begin() + 1, lines.end() - 2);
}

// A kind named twice in session 1 takes session 2's entries once, in the
// first: every repetition taking them again would let a small pair grow
// the output without bound.
TEST(Markers, ARepeatedKindTakesSession2sEntriesOnce)
{
    const Lines cue1 = markerKind("CuePoint Markers", { { "A" } });
    const Lines cue2 = markerKind("CuePoint Markers", { { "B" } });
    const Lines expected =
        metadata({ markerKind("CuePoint Markers", { { "A", "X" } }), markerKind("CuePoint Markers", { { "B" } }) });
    EXPECT_EQ(merged(metadata({ cue1, cue2 }), metadata({ markerKind("CuePoint Markers", { { "X" } }) })), expected);
}

TEST(Markers, Session2EntriesFollowSession1sInOneSequence)
{
    const Lines expected = metadata({ markerKind("CuePoint Markers", { { "A", "B", "C", "D" } }) });
    EXPECT_EQ(merged(metadata({ markerKind("CuePoint Markers", { { "A", "B" } }) }),
                  metadata({ markerKind("CuePoint Markers", { { "C", "D" } }) })),
        expected);
}

TEST(Markers, KindWithoutListInSession1TakesSession2sWholeList)
{
    const Lines expected = metadata({ markerKind("CuePoint Markers", { { "A" } }),
        markerKind("CD Track Markers", { { "T1", "T2" } }), markerKind("Subclip Markers", std::nullopt) });
    EXPECT_EQ(
        merged(metadata({ markerKind("CuePoint Markers", { { "A" } }), markerKind("CD Track Markers", std::nullopt),
                   markerKind("Subclip Markers", std::nullopt) }),
            metadata({ markerKind("CuePoint Markers", std::nullopt), markerKind("CD Track Markers", { { "T1", "T2" } }),
                markerKind("Subclip Markers", std::nullopt) })),
        expected);
}

TEST(Markers, KindMissingFromSession1IsDropped)
{
    const Lines one = metadata({ markerKind("CuePoint Markers", { { "A" } }) });
    EXPECT_EQ(
        merged(one,
            metadata({ markerKind("CuePoint Markers", std::nullopt), markerKind("CD Track Markers", { { "T1" } }) })),
        one);
}

// An empty kind before a kind with entries must not pass its markers on to
// the other kind, in either session.
TEST(Markers, EmptyKindsDoNotBorrowTheNextKindsList)
{
    const Lines one = metadata({ markerKind("CuePoint Markers", std::nullopt),
        markerKind("CD Track Markers", { { "T1" } }), markerKind("Subclip Markers", std::nullopt) });
    const Lines two = metadata({ markerKind("CuePoint Markers", { { "C" } }),
        markerKind("CD Track Markers", std::nullopt), markerKind("Subclip Markers", { { "S" } }) });
    const Lines expected = metadata({ markerKind("CuePoint Markers", { { "C" } }),
        markerKind("CD Track Markers", { { "T1" } }), markerKind("Subclip Markers", { { "S" } }) });
    EXPECT_EQ(merged(one, two), expected);
}

const Lines cart1 = { "<AEScart:Version>0101</AEScart:Version>", "<AEScart:Title>One</AEScart:Title>",
    "<AEScart:PostTimer>", "<rdf:Seq>", "<rdf:li>1</rdf:li>", "</rdf:Seq>", "</AEScart:PostTimer>" };
const Lines cart2 = { "<AEScart:Version>0101</AEScart:Version>", "<AEScart:Title>Two</AEScart:Title>", "<rdf:Seq>",
    "<AEScart:Artist>B</AEScart:Artist>", "</rdf:Seq>", "<AEScart:PostTimer>", "<rdf:Seq>", "<rdf:li>2</rdf:li>",
    "</rdf:Seq>", "</AEScart:PostTimer>" };

TEST(Cart, Session2CartLinesJoinSession1sBeforeItsSequenceEnds)
{
    const Lines expected = metadata({},
        { "<AEScart:Version>0101</AEScart:Version>", "<AEScart:Title>One</AEScart:Title>", "<AEScart:PostTimer>",
            "<rdf:Seq>", "<rdf:li>1</rdf:li>", "<AEScart:Title>Two</AEScart:Title>",
            "<AEScart:Artist>B</AEScart:Artist>", "</rdf:Seq>", "</AEScart:PostTimer>" });
    EXPECT_EQ(merged(metadata({}, cart1), metadata({}, cart2)), expected);
}

TEST(Cart, Session1CartStaysWhenSession2HasNone)
{
    const Lines one = metadata({ markerKind("CuePoint Markers", { { "A" } }) }, cart1);
    EXPECT_EQ(merged(one, metadata({ markerKind("CuePoint Markers", std::nullopt) })), one);
}

TEST(Metadata, BlockOnOneLineEndsWhereItStarts)
{
    const std::string oneLine = "<xmpMetadata><![CDATA[<x:xmpmeta/>]]></xmpMetadata>";
    const std::string one = "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n" +
        oneLine + "\n<files/>\n";
    const std::string two = "<?xml?>\n<files>\n<file id=\"0\"/>\n</files>\n";
    const auto lines = MergeLines(one, two);
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()), (Lines{ oneLine, "<files>", "<file id=\"1\"/>", "</files>", "" }));
}

TEST(SessionState, Session1sPassesWhole)
{
    const std::string one = "<?xml?>\n<sessionState a=\"1\">\n<selectionState/>\n</sessionState>\n<after/>\n";
    const std::string two = "<?xml?>\n<sessionState a=\"2\">\n<viewState/>\n</sessionState>\n";
    EXPECT_EQ(MergeLines(one, two),
        (Lines{ "<?xml?>", "<sessionState a=\"1\">", "<selectionState/>", "</sessionState>", "<after/>", "" }));
}

TEST(Metronome, FollowsSession1sMasterToItsNewId)
{
    const std::string one = "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n"
                            "<metronome enabled=\"false\">\n<metronomeTrack id=\"40000\" index=\"0\">\n"
                            "<trackOutput outputID=\"10000\" type=\"trackID\"/>\n<sendSlot sendOutputID=\"10000\">\n"
                            "<trackOutput outputID=\"3\" type=\"hardwareOutput\"/>\n</metronomeTrack>\n</metronome>\n";
    const std::string two = "<?xml?>\n<tracks>\n<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n";
    const auto lines = MergeLines(one, two);
    EXPECT_EQ(Lines(lines.end() - 8, lines.end()),
        (Lines{ "<metronome enabled=\"false\">", "<metronomeTrack id=\"40000\" index=\"0\">",
            "<trackOutput outputID=\"19999\" type=\"trackID\"/>", "<sendSlot sendOutputID=\"10000\">",
            "<trackOutput outputID=\"3\" type=\"hardwareOutput\"/>", "</metronomeTrack>", "</metronome>", "" }));
}

} // namespace
} // namespace tandem::engine
