#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tandem::verify {

// What a user would miss of a session, counted element by element.
enum class Content : std::size_t {
    AudioTracks,
    BusTracks,
    VideoTracks,
    AudioClips,
    VideoClips,
    MediaFiles,
    ClipGroups,
    ClipGroupItems,
    CueMarkers,
    CdMarkers,
    SubclipMarkers,
    OtherMarkers,
    CartEntries,
};
constexpr std::size_t ContentKinds = 13;

// Groups of elements that the merge can only handle one element to a line.
enum class LineGroup : std::size_t { Tracks, MediaFiles, ClipGroups, Markers };
constexpr std::size_t LineGroups = 4;

// An audio or bus track: its id as written and how many clips it holds.
struct TrackContent {
    bool bus = false;
    std::string id;
    std::uint64_t clips = 0;
};

// A media file entry's paths as written (references not yet replaced).
struct MediaPaths {
    std::string absolutePath;
    std::string relativePath;
};

struct SessionContent {
    std::array<std::uint64_t, ContentKinds> count{};
    std::uint64_t masterTracks = 0;
    bool hasFileList = false;
    // A "<clipGroups>" element, or a metronome before which the merge can
    // place another session's clip groups.
    bool hasClipGroupPlace = false;
    // Marker tracks named as the merge knows them: cue, CD track, subclip.
    std::array<bool, 3> namesMarkerKind{};
    // A group whose elements share a line with another tag somewhere.
    std::array<bool, LineGroups> sharesLines{};
    // Lines end at LF, but some end at a CR alone.
    bool mixedLineEnds = false;

    std::uint64_t& operator[](Content kind) { return count[static_cast<std::size_t>(kind)]; }
    std::uint64_t operator[](Content kind) const { return count[static_cast<std::size_t>(kind)]; }
};

} // namespace tandem::verify
