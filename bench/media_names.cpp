#include "media_names.h"

#include "random_source.h"
#include "value_text.h"

#include <iterator>

namespace tandem::bench {

namespace {

constexpr const char* Sources[] = { "Vox", "Kick", "Snare", "Bass", "Guitar", "Piano", "Strings", "Room", "Ambience",
    "Dialog", "Foley", "Synth", "Chœur", "Brass", "Drums &amp; Perc", "Narration" };
constexpr const char* Takes[] = { "Lead", "Double", "Close", "Far", "Left", "Right", "DI", "Amp", "Wet", "Dry" };

struct MediaKind {
    const char* extension;
    const char* handler;
};
constexpr MediaKind Kinds[] = { { "wav", "AmioWav" }, { "wav", "AmioWav" }, { "flac", "AmioLSF" },
    { "mp3", "AmioMP3" } };

template <typename Array> auto pick(RandomSource& random, const Array& items)
{
    return items[random.Below(static_cast<std::int64_t>(std::size(items)))];
}

RandomSource sourceFor(std::uint64_t seed, int id)
{
    return RandomSource(seed * 0x100000001B3ull + static_cast<std::uint64_t>(id));
}

} // namespace

std::string MediaStem(std::uint64_t seed, int fileId)
{
    RandomSource random = sourceFor(seed, fileId);
    return std::string(pick(random, Sources)) + " " + pick(random, Takes) + " " + Padded(fileId, 4);
}

const char* MediaExtension(std::uint64_t seed, int fileId)
{
    RandomSource random = sourceFor(~seed, fileId);
    return pick(random, Kinds).extension;
}

const char* MediaHandler(std::uint64_t seed, int fileId)
{
    RandomSource random = sourceFor(~seed, fileId);
    return pick(random, Kinds).handler;
}

std::string TrackName(std::uint64_t seed, int trackId)
{
    RandomSource random = sourceFor(seed ^ 0x5EED, trackId);
    return std::string(pick(random, Sources)) + " " + std::to_string(trackId - 10000);
}

std::string ProjectName(std::uint64_t seed) { return "Session " + Padded(static_cast<std::int64_t>(seed % 10000), 4); }

} // namespace tandem::bench
