#include "check_report.h"

#include "command_line.h"
#include "errors.h"
#include "session_check.h"
#include "tandem_version.h"

#include <cstdio>
#include <string>

namespace {

void print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

} // namespace

int main(int argc, char** argv)
{
    using tandem::cli::CheckArguments;
    namespace ExitCode = tandem::cli::CheckExitCode;
    const CheckArguments arguments =
        tandem::cli::ParseCheckArguments(tandem::platform::CommandLineArguments(argc, argv));
    switch (arguments.action) {
    case CheckArguments::Action::Help:
        print(stdout, tandem::cli::CheckUsageText());
        return ExitCode::Clean;
    case CheckArguments::Action::Version:
        print(stdout, std::string("tandem-check ") + TANDEM_VERSION + "\n");
        return ExitCode::Clean;
    case CheckArguments::Action::Usage:
        print(stderr, "tandem-check: " + arguments.problem + "\n\n" + tandem::cli::CheckUsageText());
        return ExitCode::Usage;
    case CheckArguments::Action::Check:
        break;
    }

    bool anyFindings = false;
    bool anyUnreadable = false;
    for (const std::string& file : arguments.files) {
        const auto result = tandem::verify::CheckSessionFile(file);
        if (result.errorNumber != 0) {
            anyUnreadable = true;
            // Out of memory says nothing of the file: it was not checked.
            const char* what = result.errorNumber == tandem::platform::ErrorNumber::OutOfMemory
                ? ": could not be checked: "
                : ": cannot be read: ";
            print(stderr, file + what + result.description + " (error " + std::to_string(result.errorNumber) + ")\n");
        } else if (result.findings.empty()) {
            print(stdout, file + ": OK\n");
        } else {
            anyFindings = true;
            print(stdout, tandem::cli::FindingsReport(file, result.findings));
        }
    }
    // Every file is checked even after one fails, so the user sees all there is.
    return anyUnreadable ? ExitCode::Unreadable : anyFindings ? ExitCode::Findings : ExitCode::Clean;
}
