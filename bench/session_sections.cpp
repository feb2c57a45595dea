#include "session_sections.h"

#include "media_names.h"
#include "tag.h"
#include "value_text.h"

#include <string>

namespace tandem::bench {

namespace {

constexpr int GroupHues[] = { 12, 52, 92, 132, 172, 212, 252, 292 };
constexpr const char* Modes[] = { "dialogue", "music", "sfx", "ambience" };
constexpr const char* Reverbs[] = { "LargeRoomAmbience", "OutsideAmbience", "RoomAmbience", "WindEffect" };
constexpr const char* Outputs[] = { "Default Output", "[01M] Hangszórók (Realtek(R) Audio) 1",
    "[02M] Hangszórók (Realtek(R) Audio) 2", "Default Stereo Output", "[01S] Hangszórók (Realtek(R) Audio) 1",
    "Default Surround Output" };

std::string floatArray(RandomSource& random, int count)
{
    std::string text = "[";
    for (int value = 0; value < count; ++value) {
        if (value > 0)
            text += ',';
        text += FloatText(random.UnitFloat());
    }
    return text + "]";
}

std::string essentialSoundPreset(RandomSource& random, int number)
{
    std::string preset = "{\"Guid\":\"" + Guid(random) + "\",\"Name\":\"$$$/app/Presets/Preset" +
        std::to_string(number) + "=Preset " + std::to_string(number) + "\",\"PresetData\":{\"ModeID\":\"" +
        Modes[number % 4] +
        "\",\"Models\":{\"model_ducking\":{},\"model_loudness\":{\"DefaultLoudness\":{\"type\":"
        "\"float\",\"value\":-30},\"MaxLoudness\":{\"type\":\"float\",\"value\":-12}},"
        "\"model_soundeffects\":{\"ReverbPresets\":{\"type\":\"tree::any\",\"value\":{";
    for (const char* reverb : Reverbs) {
        if (reverb != Reverbs[0])
            preset += ',';
        preset += std::string("\"$$$/app/Presets/EssentialSound/ReverbPreset/") + reverb + "=" + reverb +
            "\":{\"type\":\"array::float\",\"value\":" + floatArray(random, 13) + "}";
    }
    return preset + "}}}}}}";
}

} // namespace

void WriteSessionState(LineSink& sink, RandomSource& random, const SessionPlan& plan)
{
    const std::int64_t cti = random.Below(plan.duration);
    sink.Line(2, Tag("sessionState").Attr("ctiPosition", cti).Attr("smpteStart", 0).Open());
    sink.Line(3, Tag("selectionState").Attr("selectionDuration", 0).Attr("selectionStart", cti).Empty());
    sink.Line(3,
        Tag("viewState")
            .Attr("horizontalViewDuration", plan.duration / 4)
            .Attr("horizontalViewStart", 0)
            .Attr("trackControlsWidth", 224)
            .Attr("verticalScrollOffset", 0)
            .Empty());
    sink.Line(3,
        Tag("timeFormatState")
            .Attr("beatsPerBar", 4)
            .Attr("beatsPerMinute", 120)
            .Attr("customFrameRate", 12)
            .Attr("linkToDefaultTimeSettings", "true")
            .Attr("noteLength", 4)
            .Attr("subdivisions", 16)
            .Attr("timeCodeDropFrame", "false")
            .Attr("timeCodeFrameRate", 30)
            .Attr("timeCodeNTSC", "false")
            .Attr("timeFormat", "timeFormatDecimal")
            .Empty());
    sink.Line(3,
        Tag("mixingOptionState")
            .Attr("defaultPanModeLogarithmic", "false")
            .Attr("panPower", -3)
            .Attr("playOverlappingClips", "false")
            .Empty());
    sink.Line(2, Closing("sessionState"));
}

void WriteClipGroups(LineSink& sink, RandomSource& random, const SessionPlan& plan, const std::vector<int>& clipCounts)
{
    std::vector<std::size_t> firstClip(clipCounts.size() + 1, 0);
    for (std::size_t track = 0; track < clipCounts.size(); ++track)
        firstClip[track + 1] = firstClip[track] + static_cast<std::size_t>(clipCounts[track]);
    std::vector<bool> grouped(firstClip.back(), false);

    sink.Line(2, "<clipGroups>");
    for (int group = 0; group < plan.clipGroupCount; ++group) {
        sink.Line(3, Tag("clipGroup").Attr("hue", GroupHues[random.Below(8)]).Attr("id", group).Open());
        sink.Line(4, TextElement("name", "Group " + Padded(random.Below(plan.clipGroupCount * 2) + 1, 2)));
        const int wanted = static_cast<int>(random.Between(2, 12));
        // Gives up on an item after a few tries at an already grouped clip,
        // which only happens once most clips are taken.
        for (int item = 0, tries = 0; item < wanted && tries < wanted * 4; ++tries) {
            const auto track = static_cast<std::size_t>(random.Below(static_cast<std::int64_t>(clipCounts.size())));
            const auto clip = static_cast<int>(random.Below(clipCounts[track]));
            const std::size_t ordinal = firstClip[track] + static_cast<std::size_t>(clip);
            if (grouped[ordinal])
                continue;
            grouped[ordinal] = true;
            sink.Line(4, Tag("item").Attr("clipID", clip).Attr("trackID", plan.audioIds[track]).Empty());
            ++item;
        }
        sink.Line(3, Closing("clipGroup"));
    }
    sink.Line(2, "</clipGroups>");
}

void WriteProperties(LineSink& sink, RandomSource& random)
{
    std::string configurations = "[";
    for (int preset = 0; preset < 10; ++preset) {
        if (preset > 0)
            configurations += ',';
        configurations += essentialSoundPreset(random, preset);
    }
    configurations += "]";
    sink.Line(2, "<properties>");
    sink.Line(3, "<property key=\"EssentialSoundConfigurations\">" + configurations + "</property>");
    sink.Line(2, "</properties>");
}

void WriteFiles(LineSink& sink, const SessionPlan& plan)
{
    const std::string folder = ProjectName(plan.seed);
    sink.Line(1, "<files>");
    for (int id = 0; id < plan.fileCount; ++id) {
        const std::string name = MediaStem(plan.seed, id) + "." + MediaExtension(plan.seed, id);
        const std::string handler = MediaHandler(plan.seed, id);
        Tag file("file");
        file.Attr("absolutePath", "D:\\Audio\\Projects\\" + folder + "\\Recorded\\" + name).Attr("id", id);
        if (handler != "AmioWav")
            file.Attr("importerPrivateSettings",
                "ByteOrdering:0:0;Channels:0:2;EncodingType:0:3;FormatType:0:"
                "1507328;SampleRate:0:" +
                    std::to_string(plan.sampleRate) + ";StartOffset:0:0;VBR:0:0;");
        file.Attr("mediaHandler", handler).Attr("relativePath", "Recorded/" + name);
        sink.Line(2, file.Empty());
    }
    sink.Line(1, "</files>");
}

void WriteAudioDevice(LineSink& sink, RandomSource& random)
{
    sink.Line(1, Tag("audioDevice").Attr("inputID", Guid(random)).Attr("outputID", Guid(random)).Open());
    sink.Line(2, Tag("inputPort").Attr("id", 1).Attr("name", "Default Stereo Input").Empty());
    sink.Line(2, Tag("inputPort").Attr("id", 2).Attr("name", "[01M] Mikrofon (USB Audio) 1").Empty());
    int port = 1;
    for (const char* name : Outputs)
        sink.Line(2, Tag("outputPort").Attr("id", port++).Attr("name", name).Empty());
    sink.Line(1, "</audioDevice>");
}

} // namespace tandem::bench
