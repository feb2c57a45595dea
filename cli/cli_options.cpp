#include "cli_options.h"

namespace tandem::cli {

namespace {

CliOptions refuse(std::string problem)
{
    CliOptions options;
    options.action = CliOptions::Action::Usage;
    options.problem = std::move(problem);
    return options;
}

} // namespace

CliOptions ParseArguments(const std::vector<std::string>& arguments)
{
    CliOptions options;
    std::vector<std::string> files;
    bool targetGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.action = CliOptions::Action::Help;
            return options;
        } else if (argument == "--version") {
            options.action = CliOptions::Action::Version;
            return options;
        } else if (argument == "--verify") {
            options.verify = true;
        } else if (argument == "--no-verify") {
            options.verify = false;
        } else if (argument == "--no-clobber" || argument == "-n") {
            options.noClobber = true;
        } else if (argument == "--force") {
            options.force = true;
        } else if (argument == "--target" || argument.rfind("--target=", 0) == 0) {
            if (targetGiven)
                return refuse("--target given twice");
            if (argument == "--target") {
                if (++i == arguments.size())
                    return refuse("--target needs a folder");
                options.target = arguments[i];
            } else {
                options.target = argument.substr(9);
            }
            if (options.target.empty())
                return refuse("--target needs a folder");
            targetGiven = true;
        } else {
            return refuse("unknown option " + argument);
        }
    }
    if (files.size() != 2)
        return refuse("expected two session files, got " + std::to_string(files.size()));
    options.action = CliOptions::Action::Append;
    options.firstPath = files[0];
    options.secondPath = files[1];
    return options;
}

std::string UsageText()
{
    return "Usage: tandem-append [--target DIR] [--no-clobber] [--no-verify] [--force]\n"
           "                     FIRST.sesx SECOND.sesx\n"
           "\n"
           "Appends the Audition session SECOND.sesx to FIRST.sesx: the new session holds\n"
           "FIRST with SECOND's tracks, media files, clip groups and markers merged in.\n"
           "It is written into DIR (default: FIRST's folder) as\n"
           "\"<FIRST name> + <SECOND file name>\", replacing a file of that name.\n"
           "Then all three files are checked: whether everything of both sessions is in\n"
           "the new one, whether each is well-formed XML, and whether ids are used twice\n"
           "or references point nowhere.\n"
           "\n"
           "Options:\n"
           "  --target DIR      the folder for the combined session\n"
           "  -n, --no-clobber  leave an existing file of the new name alone (exit 2)\n"
           "  --no-verify       skip the check after writing (--verify: the default)\n"
           "  --force           combine even when the two sessions' sample rates differ\n"
           "  --help            show this help\n"
           "  --version         show the version\n"
           "\n"
           "On success the new file's full path is printed. Exit status: 0 success,\n"
           "1 a session file could not be read, 2 the combined session could not be\n"
           "written, the sample rates differ (without --force), or the file exists\n"
           "(with --no-clobber), 3 the check found problems (the file stays as\n"
           "written), 64 wrong usage.\n";
}

} // namespace tandem::cli
