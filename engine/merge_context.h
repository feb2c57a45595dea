#pragma once

#include "attributes.h"
#include "merge_choices.h"
#include "merge_state.h"
#include "session_lines.h"
#include "session_writer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tandem::engine {

// What every section handler works on: both sessions, the run's state and
// the output.
struct MergeContext {
    const SessionLines& session1;
    const SessionLines& session2;
    MergeState& state;
    SessionWriter& out;
    const MergeChoices& choices;
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

// Writes `line` with the value of `marker` replaced by what `renumber` makes
// of it, or unchanged when `renumber` gives nothing. Writes nothing and
// returns false when the attribute or its closing quote is missing: each
// kind of line decides for itself what then becomes of it.
template <typename Renumber>
bool WriteRenumbered(SessionWriter& out, std::string_view line, std::string_view marker, Renumber renumber)
{
    if (!HasClosedAttribute(line, marker))
        return false;
    const std::optional<std::int32_t> value = renumber(*ReadAttributeNumber(line, marker));
    if (value)
        out.WriteLine(*ReplaceAttributeValue(line, marker, *value));
    else
        out.WriteLine(line);
    return true;
}

} // namespace tandem::engine
