#pragma once

#include "append_session.h"

#include "prompt.h"

#include <string>

namespace tandem::engine {

// The message boxes that report an outcome; the GUI shows them, the command
// line prints them.
platform::Message CompletionMessage(
    const std::string& firstPath, const std::string& secondPath, const std::string& outputPath);

// Asked before combining sessions that run at different sample rates; No
// is the default and ends the command.
platform::Message SampleRateQuestion(const std::string& firstRate, const std::string& secondRate);
// The command line's refusal of such a pair, one sentence a line.
std::string SampleRateRefusal(const std::string& firstRate, const std::string& secondRate);

// The completion message on success, else the failure message of the phase,
// which names the file or folder concerned on a line of its own.
platform::Message OutcomeMessage(const AppendOutcome& outcome);

} // namespace tandem::engine
