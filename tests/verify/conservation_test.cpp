#include "conservation.h"
#include "line_counter.h"
#include "session_check.h"

#include <gtest/gtest.h>

namespace tandem::verify {
namespace {

// A session holding some of everything a user would miss, one element a
// line, as Audition writes them.
const std::string everything = R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>
<!DOCTYPE sesx>
<sesx version="1.9">
<session sampleRate="48000">
<tracks>
<videoTrack id="0">
<videoClip fileID="1" id="0" name="Film"/>
</videoTrack>
<audioTrack id="10001" index="1">
<audioClip fileID="0" id="0" name="A"/>
<audioClip fileID="0" id="1" name="B"/>
</audioTrack>
<audioTrack id="10002" index="2">
<audioClip fileID="0" id="0" name="C"/>
</audioTrack>
<busTrack id="10003" index="3">
</busTrack>
<masterTrack id="10000" index="4">
</masterTrack>
</tracks>
<xmpMetadata><![CDATA[<?xpacket begin="" id="W5M0MpCehiHzreSzNTczkc9d"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/">
<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
<rdf:Description xmlns:xmpDM="http://ns.adobe.com/xmp/1.0/DynamicMedia/" xmlns:AEScart="http://ns.adobe.com/aes/cart/">
<AEScart:Version>0101</AEScart:Version>
<AEScart:Title>Show</AEScart:Title>
<AEScart:Artist>Ed</AEScart:Artist>
<AEScart:PostTimer>
<rdf:Seq>
<rdf:li rdf:parseType="Resource">
<AEScart:Usage>SEG1</AEScart:Usage>
</rdf:li>
</rdf:Seq>
</AEScart:PostTimer>
<xmpDM:Tracks>
<rdf:Bag>
<rdf:li rdf:parseType="Resource">
<xmpDM:trackName>CuePoint Markers</xmpDM:trackName>
<xmpDM:markers>
<rdf:Seq>
<rdf:li rdf:parseType="Resource">
<xmpDM:startTime>10</xmpDM:startTime>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<xmpDM:startTime>20</xmpDM:startTime>
</rdf:li>
</rdf:Seq>
</xmpDM:markers>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<xmpDM:trackName>CD Track Markers</xmpDM:trackName>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<xmpDM:trackName>Notes</xmpDM:trackName>
<xmpDM:markers>
<rdf:Seq>
<rdf:li rdf:parseType="Resource">
</rdf:li>
</rdf:Seq>
</xmpDM:markers>
</rdf:li>
</rdf:Bag>
</xmpDM:Tracks>
</rdf:Description>
</rdf:RDF>
</x:xmpmeta>
<?xpacket end="w"?>]]></xmpMetadata>
<clipGroups>
<clipGroup id="0">
<item clipID="0" trackID="10001"/>
<item clipID="0" trackID="10002"/>
</clipGroup>
</clipGroups>
</session>
<files>
<file id="0" relativePath="a.wav"/>
<file id="1" relativePath="film.mp4"/>
</files>
</sesx>
)";

TEST(SessionContent, CountsWhatAUserWouldMiss)
{
    const CheckResult result = CheckSessionText(everything);
    ASSERT_EQ(result.findings, Findings{});
    // audio, bus, video tracks; clips, video clips; files; groups, members;
    // cue, CD, subclip, other markers; cart entries.
    const std::array<std::uint64_t, ContentKinds> expected{ 2, 1, 1, 3, 1, 2, 1, 2, 2, 0, 0, 1, 2 };
    EXPECT_EQ(result.content.count, expected);
    EXPECT_EQ(result.content.masterTracks, 1u);
    EXPECT_TRUE(result.content.hasFileList);
    EXPECT_EQ(result.content.namesMarkerKind, (std::array<bool, 3>{ true, true, false }));
    EXPECT_EQ(result.content.sharesLines, (std::array<bool, LineGroups>{}));
    EXPECT_FALSE(result.content.mixedLineEnds);
}

// What the merge cannot take apart: tags that share a line, per group, and
// a CR alone in a file whose lines end at LF.
TEST(SessionContent, ShapesTheMergeCannotSplit)
{
    const auto shape = [](const std::string& from, const std::string& to) {
        std::string text = everything;
        text.replace(text.find(from), from.size(), to);
        return CheckSessionText(text).content;
    };
    EXPECT_TRUE(shape("\n</audioTrack>\n<busTrack", "</audioTrack><busTrack").sharesLines[0]);
    EXPECT_TRUE(shape("\n<file id=\"1\"", "<file id=\"1\"").sharesLines[1]);
    EXPECT_TRUE(shape("\n</clipGroup>", "</clipGroup>").sharesLines[2]);
    EXPECT_TRUE(shape("\n</rdf:Seq>\n</xmpDM:markers>", "</rdf:Seq></xmpDM:markers>").sharesLines[3]);
    const SessionContent mixed = shape("\n<audioClip fileID=\"0\" id=\"1\"", "\r<audioClip fileID=\"0\" id=\"1\"");
    EXPECT_TRUE(mixed.mixedLineEnds);
    EXPECT_EQ(mixed.sharesLines, (std::array<bool, LineGroups>{}));
}

CheckResult holding(std::initializer_list<std::pair<Content, std::uint64_t>> counts)
{
    CheckResult result;
    result.content.masterTracks = 1;
    result.content.hasFileList = true;
    result.content.hasClipGroupPlace = true;
    result.content.namesMarkerKind = { true, true, true };
    for (const auto& [kind, count] : counts)
        result.content[kind] = count;
    return result;
}

struct ConservationCase {
    const char* name;
    CheckResult first;
    CheckResult second;
    CheckResult combined;
    std::vector<std::string> expected;
};

class Conservation : public testing::TestWithParam<ConservationCase> { };

TEST_P(Conservation, SaysWhatIsMissingWhoseAndWhy)
{
    EXPECT_EQ(ConservationFindings(GetParam().first, GetParam().second, GetParam().combined), GetParam().expected);
}

// Session 2's second track was left out on purpose: its clips and its
// clip-group members, and the group they alone made, are not missed.
TEST(Conservation, WhatWasLeftOutIsNotMissed)
{
    CheckResult second = holding({ { Content::AudioTracks, 2 }, { Content::AudioClips, 5 }, { Content::ClipGroups, 2 },
        { Content::ClipGroupItems, 3 } });
    second.tracks = { { false, "10001", 2 }, { false, "10002", 3 } };
    second.groupMembers = { { "10001", "10002" }, { "10002" } };
    const CheckResult combined = holding({ { Content::AudioTracks, 1 }, { Content::AudioClips, 2 },
        { Content::ClipGroups, 1 }, { Content::ClipGroupItems, 1 } });
    EXPECT_EQ(ConservationFindings(holding({}), second, combined, { 2 }), std::vector<std::string>{});
    EXPECT_EQ(ConservationFindings(holding({}), second, combined, {}).size(), 1u);
}

CheckResult withoutCueList(CheckResult result)
{
    result.content.namesMarkerKind[0] = false;
    return result;
}

CheckResult notWellFormed(std::size_t line)
{
    CheckResult result = holding({});
    result.xmlError = Finding{ line, "the file ends before <sesx> is closed." };
    return result;
}

CheckResult mixed(CheckResult result)
{
    result.content.mixedLineEnds = true;
    return result;
}

INSTANTIATE_TEST_SUITE_P(Counts, Conservation,
    testing::Values(ConservationCase{ "AllArrived", holding({ { Content::AudioTracks, 2 } }),
                        holding({ { Content::AudioTracks, 1 } }), holding({ { Content::AudioTracks, 3 } }), {} },
        // Session 1's video track stays; session 2's is not carried over.
        ConservationCase{ "OneVideoTrack", holding({ { Content::VideoTracks, 1 }, { Content::VideoClips, 2 } }),
            holding({ { Content::VideoTracks, 1 }, { Content::VideoClips, 5 } }),
            holding({ { Content::VideoTracks, 1 }, { Content::VideoClips, 2 } }), {} },
        ConservationCase{ "NoCueListInFile1", withoutCueList(holding({})), holding({ { Content::CueMarkers, 2 } }),
            holding({}),
            { "File 2's 2 cue markers are not in the combined session: File 1 has no cue marker list to add them "
              "to." } },
        ConservationCase{ "MoreThanBoth", holding({ { Content::MediaFiles, 2 } }),
            holding({ { Content::MediaFiles, 1 } }), holding({ { Content::MediaFiles, 4 } }),
            { "The combined session holds 1 media file more than File 1 and File 2 together." } },
        ConservationCase{ "File1MixesLineEnds", mixed(holding({})), holding({ { Content::MediaFiles, 2 } }),
            holding({}),
            { "File 2's 2 media files are not in the combined session: File 1 mixes CR and LF line ends." } },
        ConservationCase{ "MoreMissingThanFile2Has", holding({ { Content::BusTracks, 3 } }),
            holding({ { Content::BusTracks, 1 } }), holding({}),
            { "4 bus tracks of File 1 and File 2 are not in the combined session." } },
        ConservationCase{ "InputsNotWellFormed", notWellFormed(3), holding({}), notWellFormed(9),
            { "File 1 is not well-formed XML at line 3: the file ends before <sesx> is closed.",
                "The combined session is not well-formed XML at line 9: the file ends before <sesx> is closed." } }),
    [](const testing::TestParamInfo<ConservationCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::verify

namespace tandem::verify {
namespace {

// A CR at the end of one piece and its LF at the start of the next are one
// line end, whatever follows the piece in memory.
TEST(Lines, ACrLfCutBetweenPiecesIsOneLineEnd)
{
    const std::string text = "a\r\nb\r";
    LineCounter lines;
    lines.Count(text.data(), text.data() + 2);
    lines.Count(text.data() + 2, text.data() + text.size());
    EXPECT_EQ(lines.BareCrs(), 1u);
    EXPECT_EQ(lines.Position(), (TextPosition{ 1, 2 }));
    EXPECT_TRUE(lines.HasLf());
}

} // namespace
} // namespace tandem::verify
