#pragma once

#include <string>
#include <vector>

namespace tandem::cli {

struct CliOptions {
    enum class Action { Append, Help, Version, Usage };
    Action action = Action::Usage;
    std::string target; // empty: FIRST's folder
    std::string firstPath;
    std::string secondPath;
    bool verify = true; // check the combined session once it is written
    bool force = false; // combine sessions whose sample rates differ
    bool noClobber = false; // leave an existing combined file alone
    std::string problem; // why the arguments were refused, for Usage
};

CliOptions ParseArguments(const std::vector<std::string>& arguments);

std::string UsageText();

// Exit statuses of tandem-append.
namespace ExitCode {
constexpr int Success = 0;
constexpr int ReadFailure = 1;
constexpr int WriteFailure = 2; // also: sample rates differ, without --force
constexpr int CheckFindings = 3;
constexpr int Usage = 64;
} // namespace ExitCode

} // namespace tandem::cli
