#include "merge_check.h"

#include "findings_report.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace tandem::verify {
namespace {

std::string place(const CombinedCheck::FileFindings& file, const Finding& finding)
{
    return file.label + ":" + std::to_string(finding.line);
}

std::string sessionOf(const std::string& tracks)
{
    return "<sesx version=\"1.9\">\n<session sampleRate=\"48000\">\n<tracks>\n" + tracks +
        "<masterTrack id=\"10000\" index=\"1\">\n</masterTrack>\n</tracks>\n</session>\n</sesx>\n";
}

struct StreamRow {
    const char* name;
    // The combined session as written, from the text of a clean one.
    std::string (*written)(const std::string& whole);
};

class StreamTest : public testing::TestWithParam<StreamRow> { };

// What the merge hands over while it writes, in pieces of any size and
// several megabytes in all, gives what the file written gives.
TEST_P(StreamTest, TheWrittenSessionChecksAsTheFile)
{
    std::string tracks;
    for (int track = 1; track <= 40'000; ++track)
        tracks += "<audioTrack id=\"" + std::to_string(10'000 + track) + "\" index=\"" + std::to_string(track + 1) +
            "\">\n<audioClip id=\"" + std::to_string(track) + "\" name=\"Take\"/>\n</audioTrack>\n";
    const test::TempDir temp;
    const std::string first = temp.Write("First.sesx", sessionOf(""));
    const std::string second = temp.Write("Second.sesx", sessionOf(tracks));
    const std::string text = GetParam().written(sessionOf(tracks));
    const std::string combined = temp.Write("First + Second.sesx", text);

    MergeCheck live(first, second);
    constexpr std::array<std::size_t, 5> pieces{ 1, 7, 4096, 700'000, 2'500'000 };
    for (std::size_t at = 0, round = 0; at < text.size(); ++round) {
        const std::size_t size = std::min(pieces[round % pieces.size()], text.size() - at);
        live.Written(text.data() + at, size);
        at += size;
    }
    const auto streamed = CheckReportLines(live.Finish(combined), place);
    EXPECT_EQ(streamed, CheckReportLines(CheckCombinedSession(first, second, combined), place));
    EXPECT_EQ(streamed.empty(), GetParam().name == std::string("Whole"));
}

INSTANTIATE_TEST_SUITE_P(Texts, StreamTest,
    testing::Values(StreamRow{ "Whole", [](const std::string& whole) { return whole; } },
        StreamRow{ "CutInATag", [](const std::string& whole) { return whole.substr(0, whole.size() / 2); } },
        StreamRow{ "StrayLessThanNearTheEnd",
            [](const std::string& whole) {
                return whole.substr(0, whole.size() - 40) + "<" + whole.substr(whole.size() - 40);
            } }),
    [](const testing::TestParamInfo<StreamRow>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem::verify
