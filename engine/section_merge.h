#pragma once

#include "merge_context.h"

#include <cstddef>

namespace tandem::engine {

// Handlers for the session 1 blocks outside the track section. Each starts
// at the line that opens its block and returns the position of the last
// session 1 line it consumed.

// Session 1's session state passes unchanged; session 2's is never written.
std::size_t CopySessionState(MergeContext& context, std::size_t opening);

// The metadata block, with session 2's cart data and marker entries merged
// into session 1's.
std::size_t MergeMetadata(MergeContext& context, std::size_t opening);

// "<clipGroups>": session 1's groups, then session 2's with new group ids.
std::size_t MergeClipGroups(MergeContext& context, std::size_t opening);

// "<clipGroups/>": session 2's groups, if any, in its place.
std::size_t FillEmptyClipGroups(MergeContext& context, std::size_t opening);

// The metronome block; session 2's clip groups go before it when session 1
// has no clip-group block to hold them.
std::size_t CopyMetronome(MergeContext& context, std::size_t opening);

// "<files>" or "<files/>": session 1's media files, then session 2's with
// new ids.
std::size_t MergeFiles(MergeContext& context, std::size_t opening);

} // namespace tandem::engine
