#pragma once

namespace tandem::engine {

// Raised inside the engine when the write phase cannot go on; AppendSession
// catches it and turns it into a failed outcome, so it never leaves the engine.
struct MergeFailure {
    int number;
};

[[noreturn]] inline void FailMerge(int number) { throw MergeFailure{ number }; }

} // namespace tandem::engine
