#include "process_measures.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tandem::bench {

double SecondsTaken(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string LoadAverage()
{
    std::ifstream loads("/proc/loadavg");
    std::string one, five, fifteen;
    loads >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

namespace {

pid_t forkChild(const std::function<int()>& child)
{
    // Whatever sits in stdio's buffers would otherwise be copied into the
    // child; the child leaves through _exit and never flushes, but be sure.
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot fork a child process to measure memory");
    if (pid == 0)
        _exit(child());
    return pid;
}

// A figure of this process that the kernel gives in kB, in bytes; 0 when
// it gives none.
std::uint64_t statusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stoull(line.substr(field.size())) * 1024;
    return 0;
}

std::uint64_t anonymousBytesNow() { return statusBytes("RssAnon:"); }

} // namespace

std::uint64_t PeakAnonymousBytes(const std::function<bool()>& work)
{
    std::atomic<bool> done{ false };
    const std::uint64_t before = anonymousBytesNow();
    std::atomic<std::uint64_t> peak{ before };
    std::thread sampler([&] {
        while (!done) {
            peak = std::max<std::uint64_t>(peak, anonymousBytesNow());
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const bool worked = work();
    done = true;
    sampler.join();
    if (!worked)
        throw std::runtime_error("the measured work failed");
    return peak - before;
}

std::uint64_t PeakResidentBytes()
{
    if (const std::uint64_t peak = statusBytes("VmHWM:"))
        return peak;
    throw std::runtime_error("/proc/self/status tells no peak resident set");
}

std::uint64_t NumberPrintedByThisProgram(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{ "/proc/self/exe" };
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int channel[2];
    if (pipe(channel) != 0)
        throw std::runtime_error("cannot make a pipe to the measuring program");
    const pid_t child = forkChild([&] {
        close(channel[0]);
        if (dup2(channel[1], STDOUT_FILENO) < 0)
            return 127;
        execv(argv[0], argv.data());
        return 127;
    });
    close(channel[1]);
    std::string printed;
    char piece[256];
    for (ssize_t got; (got = read(channel[0], piece, sizeof piece)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        printed.append(piece, static_cast<std::size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || printed.empty())
        throw std::runtime_error("the measuring program failed");
    return std::stoull(printed);
}

std::uint64_t PeakResidentBytesInChild(const std::function<bool()>& work)
{
    const pid_t child = forkChild([&] { return work() ? 0 : 1; });

    int status = 0;
    struct rusage usage { };
    pid_t waited;
    do
        waited = wait4(child, &status, 0, &usage);
    while (waited < 0 && errno == EINTR);
    if (waited != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the measured child process failed");
    // Linux reports ru_maxrss in KiB.
    return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
}

} // namespace tandem::bench
