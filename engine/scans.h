#pragma once

#include "merge_state.h"
#include "session_lines.h"

#include <cstdint>
#include <vector>

namespace tandem::engine {

// The ids of each session's audio and bus track lines from its "<tracks>"
// line to its master track (session 1) or its files list (session 2), as
// the writing pass meets them: scans 1 and 2 gather them on their way.
struct TrackIds {
    std::vector<std::int32_t> first;
    std::vector<std::int32_t> second;
};

// The three passes that collect, before anything is written, what the
// writing pass needs: session 1's highest file id and master id (scan 1),
// session 2's section positions and the new master id (scan 2), session 1's
// marker lists and whether it has clip groups (scan 3).
void Scan1(const SessionLines& session1, MergeState& state, TrackIds& trackIds);
void Scan2(const SessionLines& session2, MergeState& state, TrackIds& trackIds);
void Scan3(const SessionLines& session1, MergeState& state);

// The new master id (session 1's + session 2's - 1) can be the id of a
// track: one of session 1's, or one of session 2's after its shift. Two
// tracks with one id break the session, so the master then takes the id
// after every other track's. After the scans, before anything is written.
void AvoidMasterIdCollision(const TrackIds& trackIds, MergeState& state);

} // namespace tandem::engine
