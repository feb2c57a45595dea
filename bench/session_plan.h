#pragma once

#include <cstdint>
#include <vector>

namespace tandem::bench {

// One bus: where it plays to and which later buses it feeds. A bus only
// ever feeds buses after it, as a mixer without feedback loops would.
struct BusPlan {
    int id = 0;
    int index = 0;
    int outputId = 0;
    std::vector<int> sendIds;
};

// Everything about a session that must be known before its first track is
// written: the track ids and display order that routing refers to, and the
// sizes of the sections that follow the tracks. Per-clip detail is drawn
// while writing.
struct SessionPlan {
    std::uint64_t seed = 0;
    const char* sesxVersion = "";
    const char* appVersion = "";
    const char* appBuild = "";
    int sampleRate = 48000;
    std::int64_t duration = 0;
    std::vector<int> audioIds;
    std::vector<int> audioIndexes;
    std::vector<BusPlan> buses;
    int masterIndex = 0;
    int fileCount = 0;
    int clipGroupCount = 0;
    int cueMarkerCount = 0;
    int cdMarkerCount = 0;
    int subclipMarkerCount = 0;
};

// `targetBytes` scales the clip groups and markers; the tracks, each with
// one file entry, fill the rest of the size, which is why the caller
// chooses their number.
SessionPlan PlanSession(std::uint64_t seed, std::uint64_t targetBytes, int audioTrackCount);

} // namespace tandem::bench
