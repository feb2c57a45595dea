#include "process_measures.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <stdexcept>

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

std::uint64_t PeakResidentBytesInChild(const std::function<bool()>& work)
{
    // Whatever sits in stdio's buffers would otherwise be copied into the
    // child; the child leaves through _exit and never flushes, but be sure.
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot fork a child process to measure memory");
    if (child == 0)
        _exit(work() ? 0 : 1);

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
