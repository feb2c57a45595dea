#include "session_generator.h"

#include "line_sink.h"
#include "random_source.h"
#include "session_plan.h"
#include "session_sections.h"
#include "tag.h"
#include "track_writer.h"
#include "xmp_writer.h"

#include <algorithm>
#include <vector>

namespace tandem::bench {

namespace {

GeneratedSession writeSession(LineSink& sink, const SessionPlan& plan)
{
    RandomSource random(plan.seed ^ 0xA5A5A5A5A5A5A5A5ull);
    GeneratedSession written;
    sink.Raw("\xEF\xBB\xBF");
    sink.Line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>");
    sink.Line(0, "<!DOCTYPE sesx>");
    sink.Line(0, Tag("sesx").Attr("version", plan.sesxVersion).Open());
    sink.Blank();
    sink.Line(1,
        Tag("session")
            .Attr("appBuild", plan.appBuild)
            .Attr("appVersion", plan.appVersion)
            .Attr("audioChannelType", "stereo")
            .Attr("bitDepth", 32)
            .Attr("duration", plan.duration)
            .Attr("sampleRate", plan.sampleRate)
            .Open());

    sink.Line(2, "<tracks>");
    TrackWriter tracks(sink, random, plan);
    std::vector<int> clipCounts;
    clipCounts.reserve(plan.audioIds.size());
    for (std::size_t track = 0; track < plan.audioIds.size(); ++track) {
        clipCounts.push_back(tracks.WriteAudioTrack(track));
        written.clips += clipCounts.back();
    }
    for (const BusPlan& bus : plan.buses)
        tracks.WriteBusTrack(bus);
    tracks.WriteMasterTrack();
    sink.Line(2, "</tracks>");

    WriteSessionState(sink, random, plan);
    WriteXmpMetadata(sink, random, plan);
    WriteClipGroups(sink, random, plan, clipCounts);
    sink.Line(2,
        "<metronome enabled=\"false\" pattern=\"downBeat subdivision subdivision subdivision \" "
        "soundSet=\"sticks\">");
    tracks.WriteMetronomeTrack();
    sink.Line(2, "</metronome>");
    WriteProperties(sink, random);
    sink.Line(1, "</session>");
    sink.Blank();
    WriteFiles(sink, plan);
    sink.Blank();
    WriteAudioDevice(sink, random);
    sink.Blank();
    sink.Line(0, "</sesx>");

    written.bytes = sink.Bytes();
    written.audioTracks = static_cast<int>(plan.audioIds.size());
    written.busTracks = static_cast<int>(plan.buses.size());
    return written;
}

std::uint64_t countedSize(std::uint64_t seed, std::uint64_t targetBytes, int audioTracks, Layout layout)
{
    LineSink counter(layout);
    return writeSession(counter, PlanSession(seed, targetBytes, audioTracks)).bytes;
}

// Each audio track brings its clips and one file entry; everything else is
// fixed by the target size. Two small runs that only count bytes tell the
// cost of a track apart from the rest. Track n is the same whatever the
// number of tracks, so a full count at that first estimate, corrected by
// the tracks it is off by, lands close to the target.
int audioTracksFor(std::uint64_t seed, std::uint64_t targetBytes, Layout layout)
{
    constexpr int Few = 32;
    constexpr int More = 160;
    const auto few = static_cast<double>(countedSize(seed, targetBytes, Few, layout));
    const auto more = static_cast<double>(countedSize(seed, targetBytes, More, layout));
    const double perTrack = std::max(1.0, (more - few) / (More - Few));
    const double target = static_cast<double>(targetBytes);
    const double estimate = std::max(1.0, (target - few) / perTrack + Few);
    const auto counted = static_cast<double>(countedSize(seed, targetBytes, static_cast<int>(estimate), layout));
    return static_cast<int>(std::max(1.0, estimate + (target - counted) / perTrack));
}

} // namespace

GeneratedSession GenerateSession(const std::string& path, std::uint64_t seed, std::uint64_t targetBytes, Layout layout)
{
    const SessionPlan plan = PlanSession(seed, targetBytes, audioTracksFor(seed, targetBytes, layout));
    LineSink sink(path, layout);
    const GeneratedSession written = writeSession(sink, plan);
    sink.Close();
    return written;
}

} // namespace tandem::bench
