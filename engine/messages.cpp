#include "messages.h"

#include "errors.h"

namespace tandem::engine {

namespace {

std::string errorTitle(int errorNumber) { return "Error " + std::to_string(errorNumber); }

} // namespace

MessageBoxText CompletionMessage(
    const std::string& firstPath, const std::string& secondPath, const std::string& outputPath)
{
    return { MessageBoxText::Icon::Information, "Process completed...",
        secondPath + "\r\n appended to \r\n" + firstPath + "\r\n\r\nThe new file is called \r\n\r\n" + outputPath };
}

MessageBoxText ReadFailureMessage(int errorNumber)
{
    return { MessageBoxText::Icon::Critical, errorTitle(errorNumber),
        "Attempting to open SESX session file\n" + platform::ErrorDescription(errorNumber) };
}

MessageBoxText WriteFailureMessage(int errorNumber, const std::string& outputPath)
{
    const std::string description = platform::ErrorDescription(errorNumber);
    if (errorNumber == platform::ErrorNumber::PermissionDenied)
        return { MessageBoxText::Icon::Critical, errorTitle(errorNumber),
            "Error Writing to File '" + outputPath + "'.  \n" + description + "\n\nFile may be in use" };
    return { MessageBoxText::Icon::Critical, errorTitle(errorNumber), "Error\n" + description };
}

MessageBoxText OutcomeMessage(const AppendOutcome& outcome)
{
    if (outcome.succeeded)
        return CompletionMessage(outcome.firstPath, outcome.secondPath, outcome.outputPath);
    if (outcome.phase == Phase::Read)
        return ReadFailureMessage(outcome.errorNumber);
    return WriteFailureMessage(outcome.errorNumber, outcome.outputPath);
}

} // namespace tandem::engine
