#pragma once

#include "append_session.h"
#include "relative_paths.h"
#include "session_lines.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tandem::engine {

// What the user chose beyond the classic merge, worked out from both
// sessions before anything is written. Left at its defaults, the merge is
// the classic one, byte for byte.
struct MergeChoices {
    // Session 2's clips, track automation and markers move by this many
    // samples at session 1's rate.
    std::int64_t offset = 0;
    // Session 2 was placed in time: the session's duration follows it.
    bool placed = false;
    std::optional<std::int64_t> duration2;

    // Session 2's audio and bus tracks by position, from 1 (index 0 stays
    // unused): written or left out. Empty: all are written.
    std::vector<bool> kept;
    // The ids of the tracks left out, and the index values of those kept,
    // both sorted.
    std::vector<std::int32_t> leftOutIds;
    std::vector<std::int32_t> keptIndexes;

    // Media paths relative to each session's folder, read from the target
    // folder; nothing where they stay.
    std::optional<PathRebase> rebase1;
    std::optional<PathRebase> rebase2;

    bool LeftOut(std::int32_t trackId) const;
    // Whether the track at this position (from 1) is written.
    bool Keeps(int position) const;
};

// Fails the merge with 6 when an offset does not fit the numbers' range and
// with 5 when a time in seconds is asked of a session without a sample rate.
MergeChoices WorkOutChoices(const SessionLines& session1, const SessionLines& session2, const AppendOptions& options,
    const std::string& firstPath, const std::string& secondPath, const std::string& targetFolder);

} // namespace tandem::engine
