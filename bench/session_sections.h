#pragma once

#include "line_sink.h"
#include "random_source.h"
#include "session_plan.h"

#include <vector>

namespace tandem::bench {

// The sections of a session other than its tracks and XMP packet, each
// written at its place in Audition's layout.

void WriteSessionState(LineSink& sink, RandomSource& random, const SessionPlan& plan);

// Groups of clips across tracks; clipCounts[n] is the number of clips of
// audio track n, whose clip ids run from 0. A clip joins one group at most.
void WriteClipGroups(LineSink& sink, RandomSource& random, const SessionPlan& plan, const std::vector<int>& clipCounts);

// <properties> with the one long EssentialSoundConfigurations line.
void WriteProperties(LineSink& sink, RandomSource& random);

void WriteFiles(LineSink& sink, const SessionPlan& plan);
void WriteAudioDevice(LineSink& sink, RandomSource& random);

} // namespace tandem::bench
