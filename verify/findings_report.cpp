#include "findings_report.h"

namespace tandem::verify {

namespace {

const std::string crlf = "\r\n";
constexpr std::size_t listedFindings = 10;

} // namespace

std::string FindingLine(const Finding& finding) { return "Line " + std::to_string(finding.line) + ": " + finding.text; }

platform::Message WithCheckResult(platform::Message completion, const CheckResult& check)
{
    if (check.errorNumber != 0) {
        completion.text += crlf + crlf + "Warning: the new session could not be checked: " + check.description;
        return completion;
    }
    if (check.findings.empty())
        return completion;
    completion.text += crlf + crlf + "Warning: the new session has problems that Audition may not load correctly:";
    for (std::size_t i = 0; i < check.findings.size() && i < listedFindings; ++i)
        completion.text += crlf + FindingLine(check.findings[i]);
    if (check.findings.size() > listedFindings)
        completion.text += crlf + "... and " + std::to_string(check.findings.size() - listedFindings) + " more";
    return completion;
}

} // namespace tandem::verify
