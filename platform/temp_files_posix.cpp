#include "temp_files_os.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace tandem::platform {

namespace {

constexpr int interrupts[] = { SIGINT, SIGTERM, SIGHUP };
struct sigaction previousActions[sizeof interrupts / sizeof interrupts[0]];

// Removes the files, then lets the signal do what it did before: usually
// end the program.
void onInterrupt(int signal)
{
    RemoveRegisteredTempFiles();
    for (std::size_t i = 0; i < sizeof interrupts / sizeof interrupts[0]; ++i)
        if (interrupts[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    raise(signal);
}

} // namespace

void RemoveRegisteredTempFiles()
{
    for (int slot = 0; slot < TempFileSlots; ++slot)
        if (const char* path = RegisteredTempFile(slot))
            unlink(path);
}

namespace os {

std::string MachineTag()
{
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::uint32_t hash = 2166136261u;
    for (const char* c = host; *c; ++c)
        hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    return tag;
}

unsigned long ProcessId() { return static_cast<unsigned long>(getpid()); }

bool ProcessRuns(unsigned long id) { return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM; }

void InstallInterruptCleanup()
{
    for (std::size_t i = 0; i < sizeof interrupts / sizeof interrupts[0]; ++i) {
        struct sigaction action { };
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(interrupts[i], nullptr, &previousActions[i]);
        // A signal the program was told to ignore (nohup) stays ignored.
        if (previousActions[i].sa_handler != SIG_IGN)
            sigaction(interrupts[i], &action, nullptr);
    }
}

void RemoveFile(const std::string& path) { unlink(path.c_str()); }

} // namespace os

} // namespace tandem::platform
