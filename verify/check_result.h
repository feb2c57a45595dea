#pragma once

#include "finding.h"
#include "session_content.h"

#include <optional>
#include <string>
#include <vector>

namespace tandem::verify {

// What checking one session file gave: when it could be read, its findings
// (none for a clean session) and what it holds; else a Tandem error number
// with its description.
struct CheckResult {
    int errorNumber = 0;
    std::string description;
    Findings findings;
    // Why the session is not well-formed XML (also among the findings).
    std::optional<Finding> xmlError;
    SessionContent content;
    // The audio and bus tracks in file order, the members of each clip
    // group, and where each media file is, for what a merge leaves out on
    // purpose and for media that cannot be found.
    std::vector<TrackContent> tracks;
    std::vector<std::vector<std::string>> groupMembers;
    std::vector<MediaPaths> media;
};

} // namespace tandem::verify
