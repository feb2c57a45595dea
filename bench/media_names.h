#pragma once

#include <cstdint>
#include <string>

namespace tandem::bench {

// Names are functions of the seed and an id, so the clips that use a file and
// the file's own entry, written far apart, agree without a stored list.
// All are already XML-escaped.

// The file's name without extension, e.g. "Vox Close 0042".
std::string MediaStem(std::uint64_t seed, int fileId);
// "wav", "flac" or "mp3".
const char* MediaExtension(std::uint64_t seed, int fileId);
const char* MediaHandler(std::uint64_t seed, int fileId);

std::string TrackName(std::uint64_t seed, int trackId);
// The session's project folder, as it appears in absolute file paths.
std::string ProjectName(std::uint64_t seed);

} // namespace tandem::bench
