#include "session_tracks.h"

#include "attributes.h"
#include "line_tests.h"
#include "merge_context.h"
#include "merge_failure.h"
#include "session_lines.h"

#include "file_view.h"
#include "read_guard.h"

#include <new>

namespace tandem::engine {

namespace {

// The text of a name element with XML's references replaced.
std::string unescaped(std::string_view text)
{
    static constexpr std::pair<std::string_view, char> named[] = { { "&amp;", '&' }, { "&lt;", '<' }, { "&gt;", '>' },
        { "&quot;", '"' }, { "&apos;", '\'' } };
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [reference, c] : named)
            if (text.compare(i, reference.size(), reference) == 0) {
                plain += c;
                i += reference.size();
                replaced = true;
                break;
            }
        if (!replaced)
            plain += text[i++];
    }
    return plain;
}

// The name of the track whose lines run from `first` to `last`.
std::string trackName(const SessionLines& lines, std::size_t first, std::size_t last)
{
    for (std::size_t i = first; i <= last; ++i) {
        const std::string_view line = lines[i];
        if (StartsWith(line, "<name>")) {
            const std::size_t end = line.find("</name>");
            return unescaped(line.substr(6, end == std::string_view::npos ? std::string_view::npos : end - 6));
        }
    }
    return {};
}

} // namespace

// The tracks as the merge walks session 2: from "<tracks>" to the file list.
std::vector<TrackLine> TrackLinesOf(const SessionLines& lines)
{
    std::vector<TrackLine> tracks;
    for (std::size_t j = FindLineStartingWith(lines, 0, "<tracks>") + 1; j < lines.size(); ++j) {
        const std::string_view line = lines[j];
        const bool audio = StartsWith(line, "<audioTrack ");
        if (audio || StartsWith(line, "<busTrack ")) {
            const std::size_t end = BlockEnd(lines, j, audio ? "</audioTrack>" : "</busTrack>");
            TrackLine track;
            track.track = { static_cast<int>(tracks.size()) + 1, !audio, trackName(lines, j + 1, end) };
            if (HasClosedAttribute(line, Marker::Id))
                track.id = ReadAttributeNumber(line, Marker::Id);
            track.index = ReadAttributeNumber(line, Marker::Index);
            tracks.push_back(std::move(track));
            j = end;
        } else if (StartsWith(line, "<videoTrack ")) {
            j = BlockEnd(lines, j, "</videoTrack>");
        } else if (StartsWith(line, "<masterTrack ")) {
            j = BlockEnd(lines, j, "</masterTrack>");
        } else if (StartsWith(line, "<files")) {
            break;
        }
    }
    return tracks;
}

std::vector<SessionTrack> ListSessionTracks(const std::string& path)
{
    try {
        platform::FileView view;
        if (view.Open(path) != 0)
            return {};
        SessionLines lines;
        std::vector<SessionTrack> tracks;
        const void* unreadable = nullptr;
        if (!platform::RunReading(
                [&] {
                    if (lines.Split(view.Text()))
                        for (const TrackLine& line : TrackLinesOf(lines))
                            tracks.push_back(line.track);
                },
                unreadable))
            return {};
        return tracks;
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const MergeFailure&) {
        // An id beyond every number: the merge will say so.
        return {};
    }
}

} // namespace tandem::engine
