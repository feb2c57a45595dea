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

} // namespace

platform::Message CompletionMessage(
    const std::string& firstPath, const std::string& secondPath, const std::string& outputPath)
{
    return { platform::Message::Icon::Information, "Process completed...",
        secondPath + "\r\n appended to \r\n" + firstPath + "\r\n\r\nThe new file is called \r\n\r\n" + outputPath };
}

platform::Message ReadFailureMessage(int errorNumber, const std::string& path)
{
    return { platform::Message::Icon::Critical, errorTitle(errorNumber),
        "Attempting to open SESX session file\n" + platform::ErrorDescription(errorNumber) + "\n" + path };
}

platform::Message WriteFailureMessage(int errorNumber, const std::string& path)
{
    const std::string description = platform::ErrorDescription(errorNumber);
    if (errorNumber == platform::ErrorNumber::PermissionDenied)
        return { platform::Message::Icon::Critical, errorTitle(errorNumber),
            "Error Writing to File '" + path + "'.  \n" + description + "\n\nFile may be in use" };
    return { platform::Message::Icon::Critical, errorTitle(errorNumber), "Error\n" + description + "\n" + path };
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
        return ReadFailureMessage(outcome.errorNumber, outcome.failedPath);
    return WriteFailureMessage(outcome.errorNumber, outcome.failedPath);
}

} // namespace tandem::engine
