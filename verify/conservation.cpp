#include "conservation.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

namespace tandem::verify {

namespace {

struct Words {
    const char* one;
    const char* many;
};

constexpr Words kindWords[ContentKinds] = {
    { "audio track", "audio tracks" },
    { "bus track", "bus tracks" },
    { "video track", "video tracks" },
    { "clip", "clips" },
    { "video clip", "video clips" },
    { "media file", "media files" },
    { "clip group", "clip groups" },
    { "clip-group member", "clip-group members" },
    { "cue marker", "cue markers" },
    { "CD track marker", "CD track markers" },
    { "subclip marker", "subclip markers" },
    { "marker of another kind", "markers of other kinds" },
    { "cart entry", "cart entries" },
};

constexpr const char* groupWords[LineGroups] = { "tracks", "media files", "clip groups", "markers" };

LineGroup groupOf(Content kind)
{
    switch (kind) {
    case Content::AudioTracks:
    case Content::BusTracks:
    case Content::VideoTracks:
    case Content::AudioClips:
    case Content::VideoClips:
        return LineGroup::Tracks;
    case Content::MediaFiles:
        return LineGroup::MediaFiles;
    case Content::ClipGroups:
    case Content::ClipGroupItems:
        return LineGroup::ClipGroups;
    default:
        return LineGroup::Markers;
    }
}

std::string counted(std::uint64_t count, Content kind)
{
    const Words& words = kindWords[static_cast<std::size_t>(kind)];
    return std::to_string(count) + " " + (count == 1 ? words.one : words.many);
}

std::string fileName(int file) { return "File " + std::to_string(file); }

bool sharesLines(const SessionContent& content, LineGroup group)
{
    return content.sharesLines[static_cast<std::size_t>(group)];
}

// Why a file's elements of `group` were not split: its tracks when their
// tags share lines, else the group itself, else the first group that does.
std::optional<std::string> shapeOf(const SessionContent& content, LineGroup group, const std::string& owner)
{
    // Tracks that cannot be split lose most, and say most to the user.
    std::optional<LineGroup> shared;
    if (sharesLines(content, LineGroup::Tracks))
        shared = LineGroup::Tracks;
    else if (sharesLines(content, group))
        shared = group;
    else
        for (std::size_t g = 0; g < LineGroups && !shared; ++g)
            if (content.sharesLines[g])
                shared = static_cast<LineGroup>(g);
    if (!shared)
        return std::nullopt;
    if (*shared == LineGroup::Tracks)
        return owner + " tracks are written on one line each, which Tandem cannot split";
    return owner + " " + groupWords[static_cast<std::size_t>(*shared)] +
        " share lines with other elements, which Tandem cannot split";
}

// The likeliest reason why `file`'s elements of `kind` are missing; 0 as
// `file` means both files'.
std::string causeOf(Content kind, int file, const SessionContent& first, const SessionContent& second)
{
    const LineGroup group = groupOf(kind);
    if (group == LineGroup::Tracks && file == 2 && first.masterTracks == 0)
        return "File 1 has no master track, so File 2's tracks were not merged";
    const SessionContent* own = file == 1 ? &first : file == 2 ? &second : nullptr;
    if (own)
        if (auto shape = shapeOf(*own, group, "its"))
            return *shape;
    for (int k = 1; k <= 2; ++k) {
        const SessionContent& content = k == 1 ? first : second;
        if (&content == own)
            continue;
        if (auto shape = shapeOf(content, group, fileName(k) + "'s"))
            return *shape;
    }
    for (int k = 1; k <= 2; ++k)
        if ((k == 1 ? first : second).mixedLineEnds)
            return fileName(k) + " mixes CR and LF line ends";
    if (file != 2)
        return {};
    switch (kind) {
    case Content::MediaFiles:
        return first.hasFileList ? std::string() : "File 1 has no media file list to add them to";
    case Content::ClipGroups:
    case Content::ClipGroupItems:
        return first.hasClipGroupPlace ? std::string() : "File 1 has no clip-group list to add them to";
    case Content::CueMarkers:
        return first.namesMarkerKind[0] ? std::string() : "File 1 has no cue marker list to add them to";
    case Content::CdMarkers:
        return first.namesMarkerKind[1] ? std::string() : "File 1 has no CD track marker list to add them to";
    case Content::SubclipMarkers:
        return first.namesMarkerKind[2] ? std::string() : "File 1 has no subclip marker list to add them to";
    case Content::OtherMarkers:
        return "Tandem adds only cue, CD track and subclip markers";
    default:
        return {};
    }
}

// Why the combined session is not well-formed when both inputs are.
std::string causeOfBrokenXml(const SessionContent& first, const SessionContent& second, const Finding& error)
{
    for (int k = 1; k <= 2; ++k)
        if ((k == 1 ? first : second).mixedLineEnds)
            return fileName(k) + " mixes CR and LF line ends.";
    for (int k = 1; k <= 2; ++k)
        if (auto shape = shapeOf(k == 1 ? first : second, LineGroup::Tracks, fileName(k) + "'s"))
            return *shape + ".";
    return error.text;
}

} // namespace

namespace {

// Takes from `expected` what session 2's tracks left out held.
void withoutLeftOut(const CheckResult& second, const std::vector<int>& leftOut, SessionContent& expected)
{
    std::vector<std::string> ids;
    for (const int position : leftOut) {
        if (position < 1 || static_cast<std::size_t>(position) > second.tracks.size())
            continue;
        const TrackContent& track = second.tracks[static_cast<std::size_t>(position) - 1];
        --expected[track.bus ? Content::BusTracks : Content::AudioTracks];
        expected[Content::AudioClips] -= std::min(expected[Content::AudioClips], track.clips);
        ids.push_back(track.id);
    }
    for (const std::vector<std::string>& members : second.groupMembers) {
        std::uint64_t gone = 0;
        for (const std::string& member : members)
            gone += std::find(ids.begin(), ids.end(), member) != ids.end();
        expected[Content::ClipGroupItems] -= std::min(expected[Content::ClipGroupItems], gone);
        if (!members.empty() && gone == members.size())
            --expected[Content::ClipGroups];
    }
}

} // namespace

std::vector<std::string> ConservationFindings(const CheckResult& first, const CheckResult& second,
    const CheckResult& combined, const std::vector<int>& leftOutTracks)
{
    std::vector<std::string> sentences;
    const CheckResult* inputs[] = { &first, &second };
    for (int k = 1; k <= 2; ++k)
        if (const auto& error = inputs[k - 1]->xmlError)
            sentences.push_back(
                fileName(k) + " is not well-formed XML at line " + std::to_string(error->line) + ": " + error->text);
    if (combined.xmlError) {
        const std::string at =
            "The combined session is not well-formed XML at line " + std::to_string(combined.xmlError->line);
        if (first.xmlError || second.xmlError)
            sentences.push_back(at + ": " + combined.xmlError->text);
        else
            sentences.push_back(at +
                ", although both inputs are: " + causeOfBrokenXml(first.content, second.content, *combined.xmlError));
        return sentences;
    }

    const SessionContent& one = first.content;
    const SessionContent& two = second.content;
    SessionContent expected;
    for (std::size_t k = 0; k < ContentKinds; ++k)
        expected.count[k] = one.count[k] + two.count[k];
    // A session holds one video track: session 2's goes only where session
    // 1 has none.
    if (one[Content::VideoTracks] > 0) {
        expected[Content::VideoTracks] = one[Content::VideoTracks];
        expected[Content::VideoClips] = one[Content::VideoClips];
    }
    withoutLeftOut(second, leftOutTracks, expected);

    // Shortfalls of one file with one cause make one sentence.
    std::map<std::tuple<int, std::string>, std::vector<std::pair<Content, std::uint64_t>>> missing;
    std::vector<std::tuple<int, std::string>> order;
    for (std::size_t k = 0; k < ContentKinds; ++k) {
        const auto kind = static_cast<Content>(k);
        const std::uint64_t have = combined.content.count[k];
        const std::uint64_t want = expected.count[k];
        if (have > want) {
            sentences.push_back(
                "The combined session holds " + counted(have - want, kind) + " more than File 1 and File 2 together.");
            continue;
        }
        if (have == want)
            continue;
        const std::uint64_t shortfall = want - have;
        const int file = shortfall <= two.count[k] ? 2 : two.count[k] == 0 ? 1 : 0;
        const auto key = std::make_tuple(file, causeOf(kind, file, one, two));
        if (!missing.count(key))
            order.push_back(key);
        missing[key].emplace_back(kind, shortfall);
    }
    for (const auto& key : order) {
        const auto& [file, cause] = key;
        const auto& kinds = missing[key];
        std::string sentence = file == 0 ? counted(kinds[0].second, kinds[0].first) + " of File 1 and File 2"
                                         : fileName(file) + "'s " + counted(kinds[0].second, kinds[0].first);
        if (kinds.size() > 1) {
            sentence += " (";
            for (std::size_t i = 1; i < kinds.size(); ++i)
                sentence += (i > 1 ? ", " : "") + counted(kinds[i].second, kinds[i].first);
            sentence += ")";
        }
        sentence += kinds[0].second == 1 ? " is" : " are";
        sentence += " not in the combined session";
        sentence += cause.empty() ? "." : ": " + cause + ".";
        sentences.push_back(sentence);
    }
    return sentences;
}

} // namespace tandem::verify
