#include "cli_options.h"

#include <algorithm>

namespace tandem::cli {

namespace {

CliOptions refuse(std::string problem)
{
    CliOptions options;
    options.action = CliOptions::Action::Usage;
    options.problem = std::move(problem);
    return options;
}

// The value of an option given as "--name VALUE" or "--name=VALUE".
std::optional<std::string> valueOf(const std::vector<std::string>& arguments, std::size_t& i, const std::string& name)
{
    const std::string& argument = arguments[i];
    if (argument.rfind(name + "=", 0) == 0)
        return argument.substr(name.size() + 1);
    if (++i == arguments.size())
        return std::nullopt;
    return arguments[i];
}

} // namespace

std::optional<std::vector<int>> ChosenTracks(
    const std::string& list, const std::vector<engine::SessionTrack>& tracks, std::string& unknown)
{
    std::vector<int> positions;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        // A name is taken before a position: a track may be called "2".
        auto named = std::find_if(
            tracks.begin(), tracks.end(), [&](const engine::SessionTrack& track) { return track.name == item; });
        if (named == tracks.end() && !item.empty() && item.size() < 10 &&
            item.find_first_not_of("0123456789") == std::string::npos)
            named = std::find_if(tracks.begin(), tracks.end(),
                [&](const engine::SessionTrack& track) { return track.position == std::stoi(item); });
        if (named == tracks.end()) {
            unknown = item;
            return std::nullopt;
        }
        positions.push_back(named->position);
        if (comma == std::string::npos)
            return positions;
        start = comma + 1;
    }
}

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
        } else if (argument == "--keep-relative-paths") {
            options.keepRelativePaths = true;
        } else if (argument == "--after" || argument.rfind("--after=", 0) == 0) {
            if (options.placement != engine::Placement::AsRecorded)
                return refuse("--after and --at place File 2 twice");
            options.placement = engine::Placement::AfterFile1;
            // The gap is optional: a number after --after is the gap.
            const std::string gap =
                argument == "--after" ? (i + 1 < arguments.size() ? arguments[i + 1] : "") : argument.substr(8);
            if (const auto value = engine::ParseGapSeconds(gap)) {
                options.gapSeconds = *value;
                if (argument == "--after")
                    ++i;
            } else if (argument != "--after") {
                return refuse("--after needs a gap in seconds, not \"" + gap + "\"");
            }
        } else if (argument == "--at" || argument.rfind("--at=", 0) == 0) {
            if (options.placement != engine::Placement::AsRecorded)
                return refuse("--after and --at place File 2 twice");
            const auto text = valueOf(arguments, i, "--at");
            const auto time = text ? engine::ParsePlacementTime(*text) : std::nullopt;
            if (!time)
                return refuse("--at needs a time as h:mm:ss.fff or in samples" +
                    (text ? ", not \"" + *text + "\"" : std::string()));
            options.placement = engine::Placement::At;
            options.at = *time;
        } else if (argument == "--tracks" || argument.rfind("--tracks=", 0) == 0) {
            const auto list = valueOf(arguments, i, "--tracks");
            if (!list || list->empty())
                return refuse("--tracks needs a list of File 2's tracks");
            options.tracks = *list;
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
           "                     [--after [SECONDS] | --at TIME] [--tracks LIST]\n"
           "                     [--keep-relative-paths] FIRST.sesx SECOND.sesx\n"
           "\n"
           "Appends the Audition session SECOND.sesx to FIRST.sesx: the new session holds\n"
           "FIRST with SECOND's tracks, media files, clip groups and markers merged in.\n"
           "It is written into DIR (default: FIRST's folder) as\n"
           "\"<FIRST name> + <SECOND file name>\", replacing a file of that name.\n"
           "SECOND's tracks go beside FIRST's, at their own times, unless --after or\n"
           "--at place them later. Media paths relative to each session's folder are\n"
           "rewritten to be read from DIR, so that the media stay found.\n"
           "Then all three files are checked: whether everything of both sessions is in\n"
           "the new one, whether each is well-formed XML, whether ids are used twice or\n"
           "references point nowhere, and whether the media can be found.\n"
           "\n"
           "Options:\n"
           "  --target DIR      the folder for the combined session\n"
           "  -n, --no-clobber  leave an existing file of the new name alone (exit 2)\n"
           "  --after [SECONDS] place SECOND's clips, automation and markers after the end\n"
           "                    of FIRST's last clip, with a gap of SECONDS (default 0)\n"
           "  --at TIME         place them at TIME: h:mm:ss.fff (also m:ss.fff or ss.fff),\n"
           "                    or whole samples at FIRST's sample rate\n"
           "  --tracks LIST     merge only these of SECOND's audio and bus tracks: a\n"
           "                    comma-separated list of their names or positions (from 1,\n"
           "                    in SECOND's file order)\n"
           "  --keep-relative-paths  leave media paths as they are\n"
           "  --no-verify       skip the check after writing (--verify: the default)\n"
           "  --force           combine even when the two sessions' sample rates differ\n"
           "  --help            show this help\n"
           "  --version         show the version\n"
           "\n"
           "On success the new file's full path is printed. Exit status: 0 success,\n"
           "1 a session file could not be read, 2 the combined session could not be\n"
           "written, the sample rates differ (without --force), or the file exists\n"
           "(with --no-clobber), 3 the check found problems (the file stays as\n"
           "written), 64 wrong usage (also a track --tracks does not find).\n";
}

} // namespace tandem::cli
