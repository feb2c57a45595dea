#include "check_report.h"
#include "cli_options.h"
#include "target_folder.h"

#include "append_session.h"
#include "command_line.h"
#include "messages.h"
#include "sample_rate.h"
#include "session_check.h"
#include "tandem_version.h"

#include <cstdio>
#include <string>

namespace {

void print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

// The file was written as asked; what the check finds is reported, and the
// file stays.
int verifyCombined(const std::string& outputPath)
{
    namespace ExitCode = tandem::cli::ExitCode;
    const auto check = tandem::verify::CheckSessionFile(outputPath);
    if (check.errorNumber != 0) {
        print(stderr, "tandem-append: the new session could not be checked: " + check.description + "\n");
        return ExitCode::CheckFindings;
    }
    if (check.findings.empty())
        return ExitCode::Success;
    print(stderr,
        "tandem-append: the new session has problems that Audition may not load correctly:\n" +
            tandem::cli::FindingsReport(outputPath, check.findings));
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
    const auto outcome = tandem::engine::AppendSession(options.firstPath, options.secondPath, target);
    if (outcome.succeeded) {
        print(stdout, outcome.outputPath + "\n");
        return options.verify ? verifyCombined(outcome.outputPath) : ExitCode::Success;
    }
    const auto message = tandem::engine::OutcomeMessage(outcome);
    print(stderr, message.title + "\n" + message.text + "\n");
    return outcome.phase == tandem::engine::Phase::Read ? ExitCode::ReadFailure : ExitCode::WriteFailure;
}
