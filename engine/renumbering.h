#pragma once

#include "merge_state.h"

#include <cstdint>
#include <optional>

namespace tandem::engine {

// Ids above this are ordinary track ids; routing targets at or below it in
// session 2 (hardware outputs, "none", unused sends) are not tracks of the
// session and keep their values.
constexpr std::int32_t TrackIdThreshold = 10000;

// Session 2's track ids are shifted past session 1's; Audition numbers
// tracks from 10001, so the shift drops the common 10000 base once session 1
// has such tracks. Clip-group members name tracks by the same ids.
std::int32_t NewTrackId(std::int32_t id, const MergeState& state);

// Session 2's media file ids, and the clip references to them, follow
// session 1's highest file id.
std::int32_t NewFileId(std::int32_t fileId, const MergeState& state);

// Session 2's track indexes follow session 1's tracks.
std::int32_t NewTrackIndex(std::int32_t index, const MergeState& state);

// Session 1's master index: after every session 2 track, and never before
// session 1's own tracks when session 2 adds none.
std::int32_t NewMasterIndex(const MergeState& state);

// The new master id from session 1's master id (held in masterId after scan
// 1) and session 2's master id.
std::int32_t NewMasterId(std::int32_t masterId1, std::int32_t masterId2);

// Routing targets (outputID, sendOutputID): the new value, or nothing when
// the line keeps its value. Session 1 keeps its routing except to its own
// master; session 2's master becomes the new master and its other track
// targets are renumbered with its tracks.
std::optional<std::int32_t> NewSession1Target(std::int32_t target, const MergeState& state);
std::optional<std::int32_t> NewSession2Target(std::int32_t target, const MergeState& state);

} // namespace tandem::engine
