// The program's start, up to its window shown (offscreen, empty settings),
// against a Qt Widgets hello-world built the same way, in alternating runs.
// A library loaded into both (shown_probe.cpp) tells when the first window
// has been painted and ends the program there.

#include "process_measures.h"
#include "temp_folder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace tandem;

constexpr int Runs = 21;
constexpr double RatioTarget = 1.8;

// The environment of this process with `extra` set over it.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra)
{
    std::vector<std::string> result;
    for (char** variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        bool replaced = false;
        for (const std::string& mine : extra)
            replaced = replaced || entry.compare(0, mine.find('=') + 1, mine, 0, mine.find('=') + 1) == 0;
        if (!replaced)
            result.push_back(entry);
    }
    result.insert(result.end(), extra.begin(), extra.end());
    return result;
}

// How long a start took up to the first window painted: on the clock, and
// the processor time the program used (which load on the machine disturbs
// less).
struct Start {
    double seconds;
    double processorSeconds;
};

Start startToShown(const std::string& program, const std::vector<std::string>& environment)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        throw std::runtime_error("cannot make a pipe");
    std::vector<std::string> variables = environment;
    variables.push_back("TANDEM_SHOWN_FD=" + std::to_string(pipe[1]));
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string name = program;
    char* argv[] = { name.data(), nullptr };

    // The offscreen platform's remarks would only clutter the report.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
    close(pipe[1]);
    char shown = 0;
    const bool told = read(pipe[0], &shown, 1) == 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(pipe[0]);
    int status = 0;
    struct rusage usage { };
    wait4(child, &status, 0, &usage);
    if (!told || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " ended without showing a window");
    const auto inSeconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return { seconds, inSeconds(usage.ru_utime) + inSeconds(usage.ru_stime) };
}

} // namespace

int main()
{
    try {
        // Settings, the single-instance socket and whatever else the programs
        // keep go to a fresh folder: empty settings, and no running copy of
        // the program in the way.
        bench::TempFolder home;
        std::filesystem::create_directories(home.File("config"));
        const std::vector<std::string> environment = environmentWith(
            { "QT_QPA_PLATFORM=offscreen", "HOME=" + home.Path(), "XDG_CONFIG_HOME=" + home.File("config"),
                "TMPDIR=" + home.Path(), std::string("LD_PRELOAD=") + TANDEM_SHOWN_PROBE });
        std::vector<double> hello;
        std::vector<double> tandem;
        std::vector<double> helloProcessor;
        std::vector<double> tandemProcessor;
        // One start of each first warms the disk cache.
        startToShown(TANDEM_HELLO_WINDOW, environment);
        startToShown(TANDEM_PROGRAM, environment);
        for (int run = 0; run < Runs; ++run) {
            const Start helloStart = startToShown(TANDEM_HELLO_WINDOW, environment);
            const Start tandemStart = startToShown(TANDEM_PROGRAM, environment);
            hello.push_back(helloStart.seconds);
            tandem.push_back(tandemStart.seconds);
            helloProcessor.push_back(helloStart.processorSeconds);
            tandemProcessor.push_back(tandemStart.processorSeconds);
        }
        const double helloSeconds = bench::Median(hello);
        const double tandemSeconds = bench::Median(tandem);
        std::printf("start-up: processor time %.3f s, hello-world %.3f s: ratio %.2f\n", bench::Median(tandemProcessor),
            bench::Median(helloProcessor), bench::Median(tandemProcessor) / bench::Median(helloProcessor));
        std::printf("start-up: window shown after %.3f s, hello-world %.3f s (medians of %d alternating runs)\n",
            tandemSeconds, helloSeconds, Runs);
        std::printf("bench start-up: time ratio %.2f to the hello-world (target %.1f)\n", tandemSeconds / helloSeconds,
            RatioTarget);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
