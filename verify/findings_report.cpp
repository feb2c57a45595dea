#include "findings_report.h"

namespace tandem::verify {

namespace {

const std::string crlf = "\r\n";
constexpr std::size_t listedLines = 10;

std::string placeInWindow(const CombinedCheck::FileFindings& file, const Finding& finding)
{
    const std::string line = std::to_string(finding.line);
    return file.label == "The combined session" ? "Line " + line : file.label + ", line " + line;
}

} // namespace

std::string FindingLine(const Finding& finding) { return "Line " + std::to_string(finding.line) + ": " + finding.text; }

std::vector<std::string> CheckReportLines(
    const CombinedCheck& check, std::string (*place)(const CombinedCheck::FileFindings& file, const Finding& finding))
{
    std::vector<std::string> lines;
    for (const CombinedCheck::Unchecked& file : check.unchecked)
        lines.push_back(file.label + " could not be checked: " + file.description + " (" + file.path + ")");
    lines.insert(lines.end(), check.sentences.begin(), check.sentences.end());
    for (const CombinedCheck::FileFindings& file : check.files)
        for (const Finding& finding : file.findings)
            lines.push_back(place(file, finding) + ": " + finding.text);
    lines.insert(lines.end(), check.warnings.begin(), check.warnings.end());
    return lines;
}

platform::Message WithCheckResult(platform::Message completion, const CombinedCheck& check)
{
    if (check.Silent())
        return completion;
    completion.icon = platform::Message::Icon::Exclamation;
    // Media that cannot be found do not make the session wrong.
    completion.text += crlf + crlf +
        (check.Clean() ? "Warning: some media of the new session cannot be found:"
                       : "Warning: the check of the new session found problems:");
    const std::vector<std::string> lines = CheckReportLines(check, placeInWindow);
    for (std::size_t i = 0; i < lines.size() && i < listedLines; ++i)
        completion.text += crlf + lines[i];
    if (lines.size() > listedLines)
        completion.text += crlf + "... and " + std::to_string(lines.size() - listedLines) + " more";
    return completion;
}

} // namespace tandem::verify
