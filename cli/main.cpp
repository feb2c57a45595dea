#include "cli_options.h"
#include "target_folder.h"

#include "append_session.h"
#include "command_line.h"
#include "messages.h"
#include "tandem_version.h"

#include <cstdio>
#include <string>

namespace {

constexpr int exitUsage = 64;

void print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

} // namespace

int main(int argc, char** argv)
{
    using tandem::cli::CliOptions;
    const CliOptions options = tandem::cli::ParseArguments(tandem::platform::CommandLineArguments(argc, argv));
    switch (options.action) {
    case CliOptions::Action::Help:
        print(stdout, tandem::cli::UsageText());
        return 0;
    case CliOptions::Action::Version:
        print(stdout, std::string("tandem-append ") + TANDEM_VERSION + "\n");
        return 0;
    case CliOptions::Action::Usage:
        print(stderr, "tandem-append: " + options.problem + "\n\n" + tandem::cli::UsageText());
        return exitUsage;
    case CliOptions::Action::Append:
        break;
    }

    const std::string target = tandem::cli::TargetFolder(options.target, options.firstPath);
    const auto outcome = tandem::engine::AppendSession(options.firstPath, options.secondPath, target);
    if (outcome.succeeded) {
        print(stdout, outcome.outputPath + "\n");
        return 0;
    }
    const auto message = tandem::engine::OutcomeMessage(outcome);
    print(stderr, message.title + "\n" + message.text + "\n");
    return outcome.phase == tandem::engine::Phase::Read ? 1 : 2;
}
