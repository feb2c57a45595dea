#pragma once

#include "merge_context.h"

#include <cstddef>

namespace tandem::engine {

// Copies session 1's track section, opened at `tracksLine`, and inserts
// session 2's video, audio and bus tracks, renumbered, before session 1's
// master track. Returns the position of session 1's "</tracks>" line.
std::size_t MergeTracks(MergeContext& context, std::size_t tracksLine);

} // namespace tandem::engine
