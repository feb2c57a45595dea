#pragma once

#include "finding.h"

#include <string>
#include <string_view>

namespace tandem::verify {

// What checking one session file gave: either the findings (none for a clean
// session) or, when the file could not be read, a Tandem error number with
// its description.
struct CheckResult {
    int errorNumber = 0;
    std::string description;
    Findings findings;
};

// Reads the session with an XML parser and reports, each on its line: XML
// that is not well-formed, ids used twice (tracks, media files, clip groups),
// references that point nowhere (a clip's media file, a track output or send
// to a track id above 10000, a clip-group member's track) and more than one
// master track. The file is never changed. Never throws.
CheckResult CheckSessionFile(const std::string& path);

// The same check on a session held in memory.
Findings CheckSessionText(std::string_view text);

} // namespace tandem::verify
