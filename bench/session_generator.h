#pragma once

#include "line_sink.h"

#include <cstdint>
#include <string>

namespace tandem::bench {

struct GeneratedSession {
    std::uint64_t bytes = 0;
    int audioTracks = 0;
    int busTracks = 0;
    int clips = 0;
};

// Writes a large multitrack session in Audition's own layout (BOM, LF,
// two-space indentation, sections in Audition's order) to `path`, streaming
// it line by line. The seed decides the content and `targetBytes` the size,
// which comes out within a few percent. Throws std::runtime_error when the
// file cannot be written.
GeneratedSession GenerateSession(
    const std::string& path, std::uint64_t seed, std::uint64_t targetBytes, Layout layout = {});

} // namespace tandem::bench
