#pragma once

#include "session_check.h"

#include <string>
#include <vector>

namespace tandem::verify {

// Whether everything of both sessions arrived in the combined one: each
// shortfall, and anything the combined session holds more of, as a
// sentence a user understands, naming the session it came from and, where
// it can be told, why. Session 2's master track and, when session 1 has
// one, its video track are not carried over, and so not missed. XML that
// is not well-formed is reported first, with the file it is in; a combined
// session that is not well-formed is not counted.
std::vector<std::string> ConservationFindings(
    const CheckResult& first, const CheckResult& second, const CheckResult& combined);

} // namespace tandem::verify
