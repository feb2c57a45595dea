#pragma once

#include "line_sink.h"
#include "random_source.h"
#include "session_plan.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::bench {

// Writes the tracks of a session, each at the depth of a child of <tracks>
// (the metronome track sits at the same depth inside <metronome>).
class TrackWriter {
public:
    TrackWriter(LineSink& sink, RandomSource& random, const SessionPlan& plan);

    // Writes audio track number `ordinal` of the plan and returns how many
    // clips it holds; their ids are 0 up to that count.
    int WriteAudioTrack(std::size_t ordinal);
    void WriteBusTrack(const BusPlan& bus);
    void WriteMasterTrack();
    void WriteMetronomeTrack();

private:
    struct Routing {
        std::string outputLine;
        int inputId = -1;
    };

    void writeHead(
        std::string_view kind, int id, int index, const std::string& name, const Routing& routing, bool mono);
    void writeTrackComponents(int depth);
    void writeVolume(int depth, std::string_view componentId);
    void writeParameter(int depth, int index, std::string_view name, float value, int keyframes);
    void writeSends(const std::vector<int>& busIds);
    void writeClip(int id, std::int64_t start, std::int64_t end, int headId, int tailId, int zOrder);

    LineSink& sink_;
    RandomSource& random_;
    const SessionPlan& plan_;
    int nextFileId_ = 0;
    int fileId_ = 0;
};

} // namespace tandem::bench
