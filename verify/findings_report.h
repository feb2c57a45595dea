#pragma once

#include "combined_check.h"
#include "finding.h"

#include "prompt.h"

#include <string>
#include <vector>

namespace tandem::verify {

// "Line 12: Track id 10003 is used a second time (first on line 9)."
std::string FindingLine(const Finding& finding);

// Everything the check after a merge found, a line each, most important
// first: files it could not check, missing content and broken XML, then the
// problems on given lines of the combined session and of the inputs, then
// the warnings.
// `place` writes where a finding stands ("Line 12" in the window,
// "PATH:12" on the command line).
std::vector<std::string> CheckReportLines(
    const CombinedCheck& check, std::string (*place)(const CombinedCheck::FileFindings& file, const Finding& finding));

// The completion message of a combine with what the check gave: unchanged
// when all is well, else with a warning icon and one more paragraph with the
// first ten problems (and how many more there are).
platform::Message WithCheckResult(platform::Message completion, const CombinedCheck& check);

} // namespace tandem::verify
