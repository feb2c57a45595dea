#include "command_line.h"
#include "win_strings.h"

#include <windows.h>

#include <shellapi.h>

namespace tandem::platform {

std::vector<std::string> CommandLineArguments(int, char**)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(WideToUtf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

} // namespace tandem::platform
