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
    std::string problem; // why the arguments were refused, for Usage
};

CliOptions ParseArguments(const std::vector<std::string>& arguments);

std::string UsageText();

} // namespace tandem::cli
