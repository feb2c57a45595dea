#pragma once

#include "line_sink.h"
#include "random_source.h"
#include "session_plan.h"

namespace tandem::bench {

// Writes the <xmpMetadata> element: the XMP packet with the session's marker
// lists (cue, CD track and subclip, each sorted by time), its save history
// and Audition's fixed 2 KB of padding.
void WriteXmpMetadata(LineSink& sink, RandomSource& random, const SessionPlan& plan);

} // namespace tandem::bench
