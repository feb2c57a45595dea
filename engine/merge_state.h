#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace tandem::engine {

// The facts one merge run collects and carries from section to section.
// Line positions of 0 mean "not found": the scans start at line 1.
struct MergeState {
    // Highest media file id of session 1.
    std::int32_t maxFileId = 0;
    // Session 1's master id after scan 1; the new master id (session 1's
    // master id + session 2's master id - 1) after scan 2.
    std::int32_t masterId = 0;
    // Each session's own master track id, when it has a master track line
    // with an id; routing targets equal to it follow the new master.
    std::optional<std::int32_t> ownMasterId1;
    std::optional<std::int32_t> ownMasterId2;

    std::size_t clipGroupsLine2 = 0;
    std::size_t cartLine2 = 0;
    std::size_t cueMarkersLine2 = 0;
    std::size_t cdMarkersLine2 = 0;
    std::size_t subclipMarkersLine2 = 0;
    std::size_t filesLine2 = 0;
    std::size_t cueMarkersLine1 = 0;
    std::size_t cdMarkersLine1 = 0;
    std::size_t subclipMarkersLine1 = 0;
    bool hasClipGroups1 = false;

    // Highest id and index of session 1's audio and bus tracks; the index is
    // raised by one more at session 1's master track.
    std::int32_t maxTrackId = 0;
    std::int32_t maxTrackIndex = 0;
    // Highest index given to an inserted session 2 track.
    std::int32_t maxNewIndex = 0;
    // The id on the last session 1 clip-group line that carries one.
    std::int32_t lastClipGroupId = 0;
    bool videoWritten1 = false;
    bool session2TracksInserted = false;
    // Session 2's media files, cart entries and marker lists go in once: a
    // session 1 that repeats their blocks would otherwise receive them once
    // per repetition, and a small hostile pair could grow without bound.
    bool session2FilesWritten = false;
    bool cartWritten = false;
    bool cueMarkersWritten = false;
    bool cdMarkersWritten = false;
    bool subclipMarkersWritten = false;
};

} // namespace tandem::engine
