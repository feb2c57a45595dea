#include "merge_choices.h"

#include "attributes.h"
#include "line_tests.h"
#include "merge_failure.h"
#include "numbers.h"
#include "session_tracks.h"

#include "errors.h"
#include "paths.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tandem::engine {

namespace {

std::string_view sessionLine(const SessionLines& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (StartsWith(lines[i], "<session "))
            return lines[i];
    return {};
}

// Session 1's sample rate, 0 when it has none. The session element is
// looked for anywhere on a line, so that a session written on one line still
// tells its rate.
double sampleRate(const SessionLines& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t session = lines[i].find("<session ");
        if (session == std::string_view::npos)
            continue;
        const std::string_view line = lines[i].substr(session);
        const std::size_t at = line.find(" sampleRate=");
        if (at == std::string_view::npos || at + 13 > line.size())
            return 0;
        // Read without the user's locale, which may want a decimal comma.
        const std::string_view value = line.substr(at + 13);
        double rate = 0;
        std::from_chars(value.data(), value.data() + value.size(), rate);
        return std::isfinite(rate) && rate > 0 ? rate : 0;
    }
    return 0;
}

std::int64_t samplesOf(double seconds, double rate)
{
    if (seconds == 0)
        return 0;
    if (rate <= 0)
        FailMerge(platform::ErrorNumber::InvalidArgument);
    const double samples = std::round(seconds * rate);
    if (!(std::fabs(samples) < 9.2e18))
        FailMerge(platform::ErrorNumber::Overflow);
    return static_cast<std::int64_t>(samples);
}

// The end of session 1's last audio or video clip, 0 when it has none.
std::int64_t endOfClips(const SessionLines& lines)
{
    std::int64_t end = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (StartsWith(line, "<audioClip ") || StartsWith(line, "<videoClip "))
            if (const auto point = ReadAttributeTime(line, Marker::EndPoint))
                end = std::max(end, *point);
    }
    return end;
}

void chooseTracks(const SessionLines& session2, const std::vector<int>& positions, MergeChoices& choices)
{
    const std::vector<TrackLine> tracks = TrackLinesOf(session2);
    std::vector<bool> kept(tracks.size() + 1, false);
    for (const int position : positions)
        if (position >= 1 && static_cast<std::size_t>(position) <= tracks.size())
            kept[static_cast<std::size_t>(position)] = true;
    // Every track ticked is the classic merge.
    if (std::count(kept.begin() + 1, kept.end(), true) == static_cast<std::ptrdiff_t>(tracks.size()))
        return;
    for (const TrackLine& track : tracks) {
        if (kept[static_cast<std::size_t>(track.track.position)]) {
            if (track.index)
                choices.keptIndexes.push_back(*track.index);
        } else if (track.id) {
            choices.leftOutIds.push_back(*track.id);
        }
    }
    std::sort(choices.keptIndexes.begin(), choices.keptIndexes.end());
    std::sort(choices.leftOutIds.begin(), choices.leftOutIds.end());
    choices.kept = std::move(kept);
}

} // namespace

bool MergeChoices::LeftOut(std::int32_t trackId) const
{
    return std::binary_search(leftOutIds.begin(), leftOutIds.end(), trackId);
}

bool MergeChoices::Keeps(int position) const
{
    return kept.empty() || (position >= 1 && static_cast<std::size_t>(position) < kept.size() && kept[position]);
}

MergeChoices WorkOutChoices(const SessionLines& session1, const SessionLines& session2, const AppendOptions& options,
    const std::string& firstPath, const std::string& secondPath, const std::string& targetFolder)
{
    MergeChoices choices;
    switch (options.placement) {
    case Placement::AsRecorded:
        break;
    case Placement::AfterFile1:
        choices.placed = true;
        choices.offset = CheckedAdd64(endOfClips(session1), samplesOf(options.gapSeconds, sampleRate(session1)));
        break;
    case Placement::At:
        choices.placed = true;
        choices.offset = options.atSamples ? *options.atSamples : samplesOf(options.atSeconds, sampleRate(session1));
        break;
    }
    if (choices.placed)
        choices.duration2 = ReadAttributeTime(sessionLine(session2), Marker::Duration);
    if (options.tracks)
        chooseTracks(session2, *options.tracks, choices);
    if (options.rewriteRelativePaths) {
        choices.rebase1 = PathRebase::Between(platform::FolderOfPath(firstPath), targetFolder);
        choices.rebase2 = PathRebase::Between(platform::FolderOfPath(secondPath), targetFolder);
    }
    return choices;
}

} // namespace tandem::engine
