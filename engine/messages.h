#pragma once

#include "append_session.h"

#include <string>

namespace tandem::engine {

// The message box that reports an outcome; the GUI shows it, the command
// line prints it.
struct MessageBoxText {
    enum class Icon { Information, Critical };
    Icon icon = Icon::Information;
    std::string title;
    std::string text;
};

MessageBoxText CompletionMessage(
    const std::string& firstPath, const std::string& secondPath, const std::string& outputPath);
MessageBoxText ReadFailureMessage(int errorNumber);
MessageBoxText WriteFailureMessage(int errorNumber, const std::string& outputPath);

// The completion message on success, else the failure message of the phase.
MessageBoxText OutcomeMessage(const AppendOutcome& outcome);

} // namespace tandem::engine
