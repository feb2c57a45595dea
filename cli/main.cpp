#include "check_report.h"
#include "cli_options.h"
#include "target_folder.h"

#include "append_session.h"
#include "combined_check.h"
#include "command_line.h"
#include "findings_report.h"
#include "merge_check.h"
#include "messages.h"
#include "sample_rate.h"
#include "session_tracks.h"
#include "tandem_version.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

bool print(std::FILE* stream, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

std::string placeOnCommandLine(
    const tandem::verify::CombinedCheck::FileFindings& file, const tandem::verify::Finding& finding)
{
    return file.path + ":" + std::to_string(finding.line);
}

// The file was written as asked; what the check finds is reported, and the
// file stays.
int reportCheck(const tandem::verify::CombinedCheck& check)
{
    namespace ExitCode = tandem::cli::ExitCode;
    if (check.Clean()) {
        std::string warnings;
        for (const std::string& warning : check.warnings)
            warnings += "tandem-append: warning: " + warning + "\n";
        print(stderr, warnings);
        return ExitCode::Success;
    }
    std::string report = "tandem-append: the check of the new session found problems:\n";
    for (const std::string& line : tandem::verify::CheckReportLines(check, placeOnCommandLine))
        report += line + "\n";
    print(stderr, report);
    return ExitCode::CheckFindings;
}

} // namespace

int main(int argc, char** argv)
{
    using tandem::cli::CliOptions;
    namespace ExitCode = tandem::cli::ExitCode;
    const CliOptions options = tandem::cli::ParseArguments(tandem::platform::CommandLineArguments(argc, argv));
    switch (options.action) {
    case CliOptions::Action::Help:
        print(stdout, tandem::cli::UsageText());
        return ExitCode::Success;
    case CliOptions::Action::Version:
        print(stdout, std::string("tandem-append ") + TANDEM_VERSION + "\n");
        return ExitCode::Success;
    case CliOptions::Action::Usage:
        print(stderr, "tandem-append: " + options.problem + "\n\n" + tandem::cli::UsageText());
        return ExitCode::Usage;
    case CliOptions::Action::Append:
        break;
    }

    if (!options.force) {
        const std::string firstRate = tandem::engine::SessionSampleRate(options.firstPath);
        const std::string secondRate = tandem::engine::SessionSampleRate(options.secondPath);
        if (tandem::engine::SampleRatesDiffer(firstRate, secondRate)) {
            print(stderr, "tandem-append: " + tandem::engine::SampleRateRefusal(firstRate, secondRate));
            return ExitCode::WriteFailure;
        }
    }

    const std::string target = tandem::cli::TargetFolder(options.target, options.firstPath);
    tandem::engine::AppendOptions appendOptions;
    appendOptions.replaceExisting = !options.noClobber;
    appendOptions.placement = options.placement;
    appendOptions.gapSeconds = options.gapSeconds;
    appendOptions.atSamples = options.at.samples;
    appendOptions.atSeconds = options.at.seconds;
    appendOptions.rewriteRelativePaths = !options.keepRelativePaths;
    tandem::verify::LeftOut leftOut;
    if (options.tracks) {
        std::string unknown;
        const auto tracks = tandem::engine::ListSessionTracks(options.secondPath);
        appendOptions.tracks = tandem::cli::ChosenTracks(*options.tracks, tracks, unknown);
        if (!appendOptions.tracks) {
            print(stderr,
                "tandem-append: --tracks: File 2 has no track \"" + unknown + "\"\n\n" + tandem::cli::UsageText());
            return ExitCode::Usage;
        }
        for (const auto& track : tracks)
            if (std::find(appendOptions.tracks->begin(), appendOptions.tracks->end(), track.position) ==
                appendOptions.tracks->end())
                leftOut.tracks.push_back(track.position);
    }
    // The check runs beside the merge.
    std::optional<tandem::verify::MergeCheck> check;
    if (options.verify) {
        check.emplace(options.firstPath, options.secondPath, leftOut);
        appendOptions.written = [&check](const char* data, std::size_t size) { check->Written(data, size); };
    }
    const auto outcome = tandem::engine::AppendSession(options.firstPath, options.secondPath, target, appendOptions);
    if (outcome.succeeded) {
        // A script that cannot learn the new file's name has not succeeded.
        if (!print(stdout, outcome.outputPath + "\n")) {
            print(stderr, "tandem-append: could not print the new file's path: " + outcome.outputPath + "\n");
            return ExitCode::WriteFailure;
        }
        return check ? reportCheck(check->Finish(outcome.outputPath)) : ExitCode::Success;
    }
    const auto message = tandem::engine::OutcomeMessage(outcome);
    print(stderr, message.title + "\n" + message.text + "\n");
    return outcome.phase == tandem::engine::Phase::Read ? ExitCode::ReadFailure : ExitCode::WriteFailure;
}
