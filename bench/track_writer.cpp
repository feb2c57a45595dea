#include "track_writer.h"

#include "media_names.h"
#include "tag.h"
#include "value_text.h"

#include <algorithm>
#include <iterator>

namespace tandem::bench {

namespace {

constexpr int MasterId = 10000;
constexpr int MetronomeId = 40000;
constexpr std::int64_t FirstEditSlot = 4294967280;

constexpr const char* EqParameters[] = { "Low Shelf Frequency", "Low Shelf Gain", "High Shelf Frequency",
    "High Shelf Gain", "EQ Band 1 Center Frequency", "EQ Band 1 Q", "EQ Band 1 Gain", "EQ Band 1 Enable",
    "EQ Band 2 Center Frequency", "EQ Band 2 Q", "EQ Band 2 Gain", "EQ Band 2 Enable", "EQ Band 3 Center Frequency",
    "EQ Band 3 Q", "EQ Band 3 Gain", "EQ Band 3 Enable", "EQ Band 4 Center Frequency", "EQ Band 4 Q", "EQ Band 4 Gain",
    "EQ Band 4 Enable", "EQ Band 5 Center Frequency", "EQ Band 5 Q", "EQ Band 5 Gain", "EQ Band 5 Enable", "Gain",
    "ConstantQ", "Low Shelf Filter Order", "High Shelf Filter Order", "Ultra-Quiet Mode", "Low Shelf Enable",
    "High Shelf Enable", "Original Sample Rate", "EQ Band 1 Bandwidth", "EQ Band 2 Bandwidth", "EQ Band 3 Bandwidth",
    "EQ Band 4 Bandwidth", "EQ Band 5 Bandwidth", "High-Pass Filter Enable", "High-Pass Cutoff Frequency",
    "High-Pass Slope", "Low-Pass Filter Enable", "Low-Pass Cutoff Frequency", "Low-Pass Slope", "Bypass",
    "LowGraphRange" };

constexpr const char* AdjustmentSections[] = { "ClaritySection", "EnhanceSpeechSection", "RestorationSection",
    "SoundEffectsSection", "VolumeSection", "LoudnessSection", "ReduceNoiseSection", "DeEsserSection" };

constexpr int Hues[] = { -1, -1, -1, 12, 52, 92, 132, 160, 172, 212, 252, 292 };

std::string trackIdOutput(int id) { return Tag("trackOutput").Attr("outputID", id).Attr("type", "trackID").Empty(); }

std::string hardwareOutput(int port)
{
    return Tag("trackOutput").Attr("outputID", port).Attr("type", "hardwareOutput").Empty();
}

std::string quotedJson(std::string_view name) { return "&quot;" + std::string(name) + "&quot;"; }

} // namespace

TrackWriter::TrackWriter(LineSink& sink, RandomSource& random, const SessionPlan& plan)
    : sink_(sink)
    , random_(random)
    , plan_(plan)
{
}

int TrackWriter::WriteAudioTrack(std::size_t ordinal)
{
    const int id = plan_.audioIds[ordinal];
    Routing routing;
    routing.inputId = 1;
    const int route = static_cast<int>(random_.Below(100));
    if (route < 60 || plan_.buses.empty())
        routing.outputLine = trackIdOutput(MasterId);
    else if (route < 93)
        routing.outputLine =
            trackIdOutput(plan_.buses[random_.Below(static_cast<std::int64_t>(plan_.buses.size()))].id);
    else if (route < 98)
        routing.outputLine = hardwareOutput(static_cast<int>(random_.Between(1, 4)));
    else
        routing.outputLine = hardwareOutput(-1);
    writeHead("audioTrack", id, plan_.audioIndexes[ordinal], TrackName(plan_.seed, id), routing, random_.Chance(30));

    std::vector<int> sends;
    if (!plan_.buses.empty() && random_.Chance(30)) {
        const auto first = static_cast<std::size_t>(random_.Below(static_cast<std::int64_t>(plan_.buses.size())));
        sends.push_back(plan_.buses[first].id);
        if (plan_.buses.size() > 1 && random_.Chance(40))
            sends.push_back(plan_.buses[(first + 1) % plan_.buses.size()].id);
    }
    writeSends(sends);

    // Clips are laid out left to right in slots; a clip overlapping the next
    // one is linked to it by a crossfade, each naming the other's id.
    const int clipCount = static_cast<int>(random_.Between(1, 6));
    const std::int64_t slot = plan_.duration / clipCount;
    std::int64_t cursor = random_.Below(slot / 4 + 1);
    bool linkedToPrevious = false;
    for (int clip = 0; clip < clipCount; ++clip) {
        const std::int64_t length = slot / 2 + random_.Below(slot * 2 / 5 + 1);
        const bool linkedToNext = clip + 1 < clipCount && random_.Chance(25);
        writeClip(clip, cursor, cursor + length, linkedToPrevious ? clip - 1 : -1, linkedToNext ? clip + 1 : -1,
            static_cast<int>(random_.Below(clipCount * 2)));
        cursor += linkedToNext ? length - length / 8 : length + random_.Below(slot / 10 + 1);
        linkedToPrevious = linkedToNext;
    }
    sink_.Line(3, Closing("audioTrack"));
    return clipCount;
}

void TrackWriter::WriteBusTrack(const BusPlan& bus)
{
    writeHead(
        "busTrack", bus.id, bus.index, "Bus " + std::to_string(bus.index), { trackIdOutput(bus.outputId), -1 }, false);
    writeSends(bus.sendIds);
    sink_.Line(3, Closing("busTrack"));
}

void TrackWriter::WriteMasterTrack()
{
    writeHead("masterTrack", MasterId, plan_.masterIndex, "Master", { hardwareOutput(1), -1 }, false);
    sink_.Line(3, Closing("masterTrack"));
}

void TrackWriter::WriteMetronomeTrack()
{
    writeHead("metronomeTrack", MetronomeId, 0, "Metronome", { trackIdOutput(MasterId), -1 }, true);
    sink_.Line(3, Closing("metronomeTrack"));
}

void TrackWriter::writeHead(
    std::string_view kind, int id, int index, const std::string& name, const Routing& routing, bool mono)
{
    const bool audio = kind == "audioTrack";
    sink_.Line(3,
        Tag(kind)
            .Attr("automationLaneOpenState", random_.Chance(5) ? "true" : "false")
            .Attr("id", id)
            .Attr("index", index)
            .Attr("select", "false")
            .Attr("visible", kind == "metronomeTrack" ? "false" : "true")
            .Open());
    sink_.Line(4,
        Tag("trackParameters")
            .Attr("trackHeight", random_.Between(60, 240))
            .Attr("trackHue", Hues[random_.Below(static_cast<std::int64_t>(std::size(Hues)))])
            .Attr("trackMinimized", "false")
            .Open());
    sink_.Line(5, TextElement("name", name));
    sink_.Line(4, Closing("trackParameters"));
    sink_.Line(4,
        Tag("trackAudioParameters")
            .Attr("audioChannelType", mono ? "mono" : "stereo")
            .Attr("automationMode", 1)
            .Attr("monitoring", "false")
            .Attr("recordArmed", "false")
            .Attr("solo", "false")
            .Attr("soloSafe", audio ? "false" : "true")
            .Open());
    sink_.Line(5, routing.outputLine);
    sink_.Line(5, Tag("trackInput").Attr("inputID", routing.inputId).Empty());
    writeTrackComponents(5);
    sink_.Line(4, Closing("trackAudioParameters"));
    sink_.Line(4, Tag("editParameter").Attr("parameterIndex", 0).Attr("slotIndex", FirstEditSlot).Empty());
}

void TrackWriter::writeTrackComponents(int depth)
{
    writeVolume(depth, "trackFader");
    sink_.Line(depth,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.Mute")
            .Attr("id", "trackMute")
            .Attr("name", "Mute")
            .Attr("powered", "true")
            .Open());
    writeParameter(depth + 1, 0, {}, 0, 0);
    writeParameter(depth + 1, 1, "mute", 0, 0);
    sink_.Line(depth, Closing("component"));
    sink_.Line(depth,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.StereoPanner")
            .Attr("id", "trackPan")
            .Attr("name", "StereoPanner")
            .Attr("powered", "true")
            .Open());
    writeParameter(depth + 1, 0, "Pan", random_.Chance(80) ? 0.0f : random_.UnitFloat(), 0);
    sink_.Line(depth, Closing("component"));
    sink_.Line(depth,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.EQ")
            .Attr("id", "trackEQ")
            .Attr("name", "EQ")
            .Attr("powered", random_.Chance(20) ? "true" : "false")
            .Open());
    int index = 0;
    for (const char* name : EqParameters) {
        const bool flag = std::string_view(name).find("Enable") != std::string_view::npos;
        writeParameter(depth + 1, index++, name, flag ? 1.0f : random_.UnitFloat(), 0);
    }
    sink_.Line(depth, Closing("component"));
}

// A fader; its volume carries an automation lane often enough to give the
// session Audition's long runs of keyframe lines.
void TrackWriter::writeVolume(int depth, std::string_view componentId)
{
    sink_.Line(depth,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.Fader")
            .Attr("id", componentId)
            .Attr("name", "volume")
            .Attr("powered", "true")
            .Open());
    const int keyframes = random_.Chance(25) ? static_cast<int>(random_.Between(4, 32)) : 0;
    writeParameter(depth + 1, 0, "volume", random_.Chance(70) ? 1.0f : random_.UnitFloat(), keyframes);
    writeParameter(depth + 1, 1, "static gain", 1, 0);
    sink_.Line(depth, Closing("component"));
}

void TrackWriter::writeParameter(int depth, int index, std::string_view name, float value, int keyframes)
{
    Tag parameter("parameter");
    parameter.Attr("index", index);
    if (!name.empty())
        parameter.Attr("name", name);
    parameter.Attr("parameterValue", FloatText(value));
    if (keyframes == 0) {
        sink_.Line(depth, parameter.Empty());
        return;
    }
    sink_.Line(depth, parameter.Open());
    sink_.Line(depth + 1, Tag("parameterKeyframes").Attr("enableSplines", "false").Attr("readOnly", "false").Open());
    const std::int64_t step = plan_.sampleRate * 4;
    std::int64_t offset = 0;
    for (int keyframe = 0; keyframe < keyframes; ++keyframe) {
        sink_.Line(depth + 2,
            Tag("parameterKeyframe")
                .Attr("sampleOffset", offset)
                .Attr("select", "false")
                .Attr("type", "linear")
                .Attr("value", FloatText(random_.UnitFloat()))
                .Empty());
        offset += 1 + random_.Below(step);
    }
    sink_.Line(depth + 1, Closing("parameterKeyframes"));
    sink_.Line(depth, Closing("parameter"));
}

void TrackWriter::writeSends(const std::vector<int>& busIds)
{
    if (busIds.empty())
        return;
    sink_.Line(4, "<sendList>");
    int slot = 0;
    for (const int busId : busIds) {
        sink_.Line(
            5, Tag("sendSlot").Attr("preFader", "false").Attr("sendOutputID", busId).Attr("slotIndex", slot++).Open());
        sink_.Line(6,
            Tag("component")
                .Attr("componentGuid", Guid(random_))
                .Attr("componentID", "Audition.Send")
                .Attr("id", "sendComponent")
                .Attr("powered", "true")
                .Open());
        writeParameter(7, 0, "Power On/Off", 1, 0);
        writeParameter(7, 1, "Level", random_.UnitFloat(), 0);
        sink_.Line(6, Closing("component"));
        sink_.Line(6,
            Tag("component")
                .Attr("componentGuid", Guid(random_))
                .Attr("componentID", "Audition.Output")
                .Attr("id", "sendPan")
                .Attr("name", "Output")
                .Attr("powered", "true")
                .Open());
        writeParameter(7, 0, {}, 0, 0);
        sink_.Line(6, Closing("component"));
        sink_.Line(5, Closing("sendSlot"));
    }
    sink_.Line(4, "</sendList>");
}

void TrackWriter::writeClip(int id, std::int64_t start, std::int64_t end, int headId, int tailId, int zOrder)
{
    // A track's first clip always takes the next file, so with one file per
    // track every file ends up referenced; later clips often cut the same take.
    if (id == 0 || random_.Chance(50))
        fileId_ = nextFileId_++ % plan_.fileCount;
    const std::int64_t length = end - start;
    const std::int64_t sourceIn = random_.Below(plan_.sampleRate * 600);
    sink_.Line(4,
        Tag("audioClip")
            .Attr("clipAutoCrossfade", "true")
            .Attr("crossFadeHeadClipID", headId)
            .Attr("crossFadeTailClipID", tailId)
            .Attr("endPoint", end)
            .Attr("fileID", fileId_)
            .Attr("hue", random_.Chance(90) ? -1 : Hues[random_.Below(static_cast<std::int64_t>(std::size(Hues)))])
            .Attr("id", id)
            .Attr("lockedInTime", "false")
            .Attr("looped", "false")
            .Attr("name", MediaStem(plan_.seed, fileId_))
            .Attr("offline", "false")
            .Attr("select", "false")
            .Attr("sourceInPoint", sourceIn)
            .Attr("sourceOutPoint", sourceIn + length)
            .Attr("startPoint", start)
            .Attr("zOrder", zOrder)
            .Open());
    if (random_.Chance(10)) {
        std::string json = "{" + quotedJson("BasicAdjustmentsProperty") + ":{" + quotedJson("type") + ":" +
            quotedJson("tree::any") + "," + quotedJson("value") + ":{";
        for (const char* section : AdjustmentSections) {
            json += quotedJson(section) + ":{" + quotedJson("type") + ":" + quotedJson("tree::any") + "," +
                quotedJson("value") + ":{" + quotedJson("Enabled") + ":{" + quotedJson("type") + ":" +
                quotedJson("bool") + "," + quotedJson("value") + ":true}," + quotedJson("Amount") + ":{" +
                quotedJson("type") + ":" + quotedJson("float") + "," + quotedJson("value") + ":" +
                FloatText(random_.UnitFloat()) + "}}},";
        }
        json += quotedJson("PresetGuid") + ":{" + quotedJson("type") + ":" + quotedJson("UTF8String") + "," +
            quotedJson("value") + ":" + quotedJson(Guid(random_)) + "}}}}";
        sink_.Line(5, Tag("properties").Attr("properties", json).Empty());
    }
    writeVolume(5, "clipGain");
    sink_.Line(5,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.Mute")
            .Attr("id", "clipMute")
            .Attr("name", "Mute")
            .Attr("powered", "true")
            .Open());
    writeParameter(6, 0, {}, 0, 0);
    writeParameter(6, 1, "mute", 0, 0);
    sink_.Line(5, Closing("component"));
    sink_.Line(5,
        Tag("component")
            .Attr("componentGuid", Guid(random_))
            .Attr("componentID", "Audition.StereoPanner")
            .Attr("id", "clipPan")
            .Attr("name", "StereoPanner")
            .Attr("powered", "true")
            .Open());
    writeParameter(6, 0, "Pan", 0, random_.Chance(15) ? static_cast<int>(random_.Between(2, 12)) : 0);
    sink_.Line(5, Closing("component"));
    const std::int64_t fade = std::min<std::int64_t>(length / 8, plan_.sampleRate / 4);
    sink_.Line(5,
        Tag("fadeIn")
            .Attr("crossFadeLinkType", "linkedAsymmetric")
            .Attr("endPoint", fade)
            .Attr("shape", 19)
            .Attr("startPoint", 0)
            .Attr("type", "log")
            .Empty());
    sink_.Line(5,
        Tag("fadeOut")
            .Attr("crossFadeLinkType", "linkedAsymmetric")
            .Attr("endPoint", length)
            .Attr("shape", 19)
            .Attr("startPoint", length - fade)
            .Attr("type", "log")
            .Empty());
    sink_.Line(5, Tag("editParameter").Attr("parameterIndex", 0).Attr("slotIndex", FirstEditSlot).Empty());
    sink_.Line(5, Tag("editParameter").Attr("parameterIndex", 0).Attr("slotIndex", FirstEditSlot + 1).Empty());
    sink_.Line(5, "<channelMap>");
    const int channels = random_.Chance(60) ? 2 : 1;
    for (int channel = 0; channel < channels; ++channel)
        sink_.Line(6, Tag("channel").Attr("index", channel).Attr("sourceIndex", channel).Empty());
    sink_.Line(5, "</channelMap>");
    sink_.Line(4, Closing("audioClip"));
}

} // namespace tandem::bench
