#include "temp_files_os.h"

#include "win_strings.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace tandem::platform {

namespace {

// Runs on a thread of its own when the console is interrupted or closed;
// the temporary files were opened to allow deleting, so they go as soon as
// the program's handles close. FALSE lets the default handler end the
// program.
BOOL WINAPI onConsoleEvent(DWORD)
{
    RemoveRegisteredTempFiles();
    return FALSE;
}

} // namespace

void RemoveRegisteredTempFiles()
{
    for (int slot = 0; slot < TempFileSlots; ++slot)
        if (const char* path = RegisteredTempFile(slot))
            DeleteFileW(Utf8ToWide(path).c_str());
}

namespace os {

std::string MachineTag()
{
    wchar_t host[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(host, &length);
    std::uint32_t hash = 2166136261u;
    for (DWORD i = 0; i < length; ++i)
        hash = (hash ^ static_cast<std::uint32_t>(host[i])) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    return tag;
}

unsigned long ProcessId() { return GetCurrentProcessId(); }

bool ProcessRuns(unsigned long id)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return runs;
}

void InstallInterruptCleanup() { SetConsoleCtrlHandler(onConsoleEvent, TRUE); }

void RemoveFile(const std::string& path) { DeleteFileW(Utf8ToWide(path).c_str()); }

} // namespace os

} // namespace tandem::platform
