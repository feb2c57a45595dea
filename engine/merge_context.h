#pragma once

#include "merge_state.h"
#include "session_lines.h"
#include "session_writer.h"

#include <cstddef>
#include <string_view>

namespace tandem::engine {

// What every section handler works on: both sessions, the run's state and
// the output.
struct MergeContext {
    const SessionLines& session1;
    const SessionLines& session2;
    MergeState& state;
    SessionWriter& out;
};

// First position at or after `from` whose line starts with `prefix`, or
// lines.size() when there is none.
std::size_t FindLineStartingWith(const SessionLines& lines, std::size_t from, std::string_view prefix);

// The line that closes the block opened at `opening`: the first later line
// starting with `prefix`. A block without its closing line runs to the end
// of its session, so this then gives the last position.
std::size_t BlockEnd(const SessionLines& lines, std::size_t opening, std::string_view prefix);

// Writes lines from..to, both included.
void WriteLines(const SessionLines& lines, std::size_t from, std::size_t to, SessionWriter& out);

} // namespace tandem::engine
