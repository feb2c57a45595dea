#pragma once

#include "check_result.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace tandem::verify {

// Reads the session once, from start to end, with memory for a piece of it
// only, and reports each on its line: XML that is not well-formed, ids used
// twice (tracks, media files, clip groups), references that point nowhere (a
// clip's media file, a track output or send to a track id above 10000, a
// clip-group member's track) and more than one master track. The file is
// never changed. Never throws.
CheckResult CheckSessionFile(const std::string& path);

// The same check on a session held in memory, handed over in pieces of
// `pieceSize` bytes as a file would be read.
CheckResult CheckSessionText(std::string_view text, std::size_t pieceSize = std::numeric_limits<std::size_t>::max());

} // namespace tandem::verify
