#pragma once

#include "merge_context.h"

#include <string_view>

namespace tandem::engine {

// Writes session 1 from its first line to its last, handing each merged
// section to its handler and putting `nameLine` in place of the session's
// "<name>" line.
void WriteMergedSession(MergeContext& context, std::string_view nameLine);

} // namespace tandem::engine
