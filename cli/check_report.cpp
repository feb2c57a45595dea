#include "check_report.h"

namespace tandem::cli {

std::string FindingsReport(const std::string& path, const verify::Findings& findings)
{
    std::string report;
    for (const verify::Finding& finding : findings)
        report += path + ":" + std::to_string(finding.line) + ": " + finding.text + "\n";
    return report;
}

CheckArguments ParseCheckArguments(const std::vector<std::string>& arguments)
{
    CheckArguments parsed;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            parsed.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.action = CheckArguments::Action::Help;
            return parsed;
        } else if (argument == "--version") {
            parsed.action = CheckArguments::Action::Version;
            return parsed;
        } else {
            parsed.problem = "unknown option " + argument;
            return parsed;
        }
    }
    if (parsed.files.empty()) {
        parsed.problem = "expected at least one session file";
        return parsed;
    }
    parsed.action = CheckArguments::Action::Check;
    return parsed;
}

std::string CheckUsageText()
{
    return "Usage: tandem-check FILE.sesx...\n"
           "\n"
           "Checks Audition sessions without changing them: XML that is not well-formed,\n"
           "track, media file and clip group ids used twice, clips whose media file is\n"
           "missing, track outputs, sends and clip-group members that name no track, and\n"
           "more than one master track. Each problem is printed as FILE:LINE: sentence;\n"
           "a clean file prints FILE: OK.\n"
           "\n"
           "Exit status: 0 every file is clean, 1 a file has problems, 2 a file could\n"
           "not be read, 64 wrong usage.\n";
}

} // namespace tandem::cli
