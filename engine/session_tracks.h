#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tandem::engine {

// An audio or bus track of a session, as a user picks it.
struct SessionTrack {
    // 1-based, in the session file's order of audio and bus tracks.
    int position = 0;
    bool bus = false;
    // From the track's "<trackParameters>" "<name>", XML references
    // replaced; empty when it has none.
    std::string name;
};

// The audio and bus tracks of the session file, in file order; empty when
// it cannot be read or has none.
std::vector<SessionTrack> ListSessionTracks(const std::string& path);

class SessionLines;

// The same for a session's lines, as the merge walks them, with where each
// track starts and its id and index (when it has them).
struct TrackLine {
    SessionTrack track;
    std::optional<std::int32_t> id;
    std::optional<std::int32_t> index;
};
std::vector<TrackLine> TrackLinesOf(const SessionLines& lines);

} // namespace tandem::engine
