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
// Session 2's tracks at the positions in `leftOutTracks` (from 1) were left
// out on purpose, with their clips and clip-group members, and groups whose
// members all went with them: they are not missed.
std::vector<std::string> ConservationFindings(const CheckResult& first, const CheckResult& second,
    const CheckResult& combined, const std::vector<int>& leftOutTracks = {});

} // namespace tandem::verify
