#pragma once

#include <string>
#include <vector>

namespace tandem::platform {

// The program's arguments as UTF-8, without the program name. On Windows
// they are taken from the wide command line, so any file name survives.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

} // namespace tandem::platform
