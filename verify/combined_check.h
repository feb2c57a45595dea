#pragma once

#include "check_result.h"
#include "finding.h"

#include <string>
#include <vector>

namespace tandem::verify {

// The check after a merge: whether everything of both inputs arrived in the
// combined session, and what is wrong in any of the three files.
struct CombinedCheck {
    struct FileFindings {
        // "File 1", "File 2" or "The combined session".
        std::string label;
        std::string path;
        Findings findings;
    };
    struct Unchecked {
        std::string label;
        std::string path;
        int errorNumber = 0;
        std::string description;
    };

    // Content that is missing or more than it should be, and XML that is
    // not well-formed, as sentences; most important first.
    std::vector<std::string> sentences;
    // Problems on given lines: the combined session's first, then those the
    // inputs have of their own.
    std::vector<FileFindings> files;
    // Files that could not be read or checked (out of memory, say).
    std::vector<Unchecked> unchecked;
    // What the user should know but that does not make the session wrong:
    // media that cannot be found.
    std::vector<std::string> warnings;

    // No problems; there may be warnings.
    bool Clean() const;
    bool Silent() const { return Clean() && warnings.empty(); }
};

// What the merge was asked to leave out: session 2's audio and bus tracks
// at these positions (from 1, in its file order), with their clips and
// clip-group members.
struct LeftOut {
    std::vector<int> tracks;
};

// Reads each file once, start to end, with memory for a piece of it only.
CombinedCheck CheckCombinedSession(const std::string& firstPath, const std::string& secondPath,
    const std::string& combinedPath, const LeftOut& leftOut = {});

// The same from what checking each file gave.
CombinedCheck CompareSessions(const std::string& firstPath, const std::string& secondPath,
    const std::string& combinedPath, const CheckResult& first, const CheckResult& second, const CheckResult& combined,
    const LeftOut& leftOut = {});

} // namespace tandem::verify
