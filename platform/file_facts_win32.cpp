#include "errors.h"
#include "file_facts.h"
#include "win_strings.h"

#include <windows.h>

namespace tandem::platform {

namespace {

// FILETIME counts 100 ns steps from 1601-01-01.
constexpr std::int64_t ticksPerSecond = 10000000;
constexpr std::int64_t secondsFrom1601To1970 = 11644473600LL;

} // namespace

int ReadFileFacts(const std::string& path, FileFacts& out)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data))
        return ErrorFromWin32(GetLastError());
    out.size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const std::int64_t ticks =
        (static_cast<std::int64_t>(data.ftCreationTime.dwHighDateTime) << 32) | data.ftCreationTime.dwLowDateTime;
    out.createdSeconds = ticks / ticksPerSecond - secondsFrom1601To1970;
    return ErrorNumber::None;
}

} // namespace tandem::platform
