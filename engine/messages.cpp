#include "messages.h"

#include "errors.h"

namespace tandem::engine {

namespace {

std::string errorTitle(int errorNumber) { return "Error " + std::to_string(errorNumber); }

std::string sampleRateExplanation(
    const std::string& firstRate, const std::string& secondRate, const std::string& newline)
{
    return "File 1 runs at " + firstRate + " Hz and File 2 at " + secondRate + " Hz." + newline + newline +
        "The clips of File 2 will be placed at the wrong times in the combined session.";
}

// Each names the file or folder it concerns on a line of its own.
platform::Message readFailureMessage(const AppendOutcome& outcome)
{
    return { platform::Message::Icon::Critical, errorTitle(outcome.errorNumber),
        "Attempting to open SESX session file\n" + outcome.description + "\n" + outcome.failedPath };
}

platform::Message writeFailureMessage(const AppendOutcome& outcome)
{
    if (outcome.errorNumber == platform::ErrorNumber::PermissionDenied)
        return { platform::Message::Icon::Critical, errorTitle(outcome.errorNumber),
            "Error Writing to File '" + outcome.failedPath + "'.  \n" + outcome.description +
                "\n\nFile may be in use" };
    return { platform::Message::Icon::Critical, errorTitle(outcome.errorNumber),
        "Error\n" + outcome.description + "\n" + outcome.failedPath };
}

} // namespace

platform::Message CompletionMessage(
    const std::string& firstPath, const std::string& secondPath, const std::string& outputPath)
{
    return { platform::Message::Icon::Information, "Process completed...",
        secondPath + "\r\n appended to \r\n" + firstPath + "\r\n\r\nThe new file is called \r\n\r\n" + outputPath };
}

platform::Message SampleRateQuestion(const std::string& firstRate, const std::string& secondRate)
{
    platform::Message question;
    question.icon = platform::Message::Icon::Exclamation;
    question.title = "Sample rates differ";
    question.text = sampleRateExplanation(firstRate, secondRate, "\r\n") + "\r\n\r\nCombine anyway?";
    question.buttons = platform::Message::Buttons::YesNo;
    question.defaultAnswer = platform::Message::Answer::No;
    return question;
}

std::string SampleRateRefusal(const std::string& firstRate, const std::string& secondRate)
{
    return sampleRateExplanation(firstRate, secondRate, "\n") + "\nUse --force to combine them anyway.\n";
}

platform::Message OutcomeMessage(const AppendOutcome& outcome)
{
    if (outcome.succeeded)
        return CompletionMessage(outcome.firstPath, outcome.secondPath, outcome.outputPath);
    if (outcome.phase == Phase::Read)
        return readFailureMessage(outcome);
    return writeFailureMessage(outcome);
}

} // namespace tandem::engine
