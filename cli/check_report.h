#pragma once

#include "finding.h"

#include <string>
#include <vector>

namespace tandem::cli {

// One line per finding, "PATH:LINE: sentence", as compilers write them, so
// that editors can jump to each.
std::string FindingsReport(const std::string& path, const verify::Findings& findings);

struct CheckArguments {
    enum class Action { Check, Help, Version, Usage };
    Action action = Action::Usage;
    std::vector<std::string> files;
    std::string problem; // why the arguments were refused, for Usage
};

CheckArguments ParseCheckArguments(const std::vector<std::string>& arguments);

std::string CheckUsageText();

// Exit statuses of tandem-check.
namespace CheckExitCode {
constexpr int Clean = 0;
constexpr int Findings = 1;
constexpr int Unreadable = 2;
constexpr int Usage = 64;
} // namespace CheckExitCode

} // namespace tandem::cli
