#pragma once

#include "finding.h"
#include "session_check.h"

#include "prompt.h"

#include <string>

namespace tandem::verify {

// "Line 12: Track id 10003 is used a second time (first on line 9)."
std::string FindingLine(const Finding& finding);

// The completion message of a combine with what the check of the new
// session gave: unchanged when the session is clean, else one more
// paragraph with the first ten findings (and how many more there are), or
// why the session could not be checked.
platform::Message WithCheckResult(platform::Message completion, const CheckResult& check);

} // namespace tandem::verify
