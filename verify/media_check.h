#pragma once

#include "check_result.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tandem::verify {

// The media files of the combined session that cannot be found from its
// folder: neither the absolute path nor the relative path, read from that
// folder, names a file. A sentence for each input the files came from (the
// first `firstCount` entries are File 1's): "4 media files of File 2 cannot
// be found: a.wav, b.wav, c.wav, d.wav."
std::vector<std::string> MissingMedia(
    const std::string& combinedPath, const std::vector<MediaPaths>& media, std::size_t firstCount);

} // namespace tandem::verify
