// A session of nothing but empty lines is the most lines a file of a given
// size can hold, so it shows first whether the merge stays linear in the
// number of lines: each doubling of the lines must no more than double the
// time and the memory.

#include "append_session.h"
#include "process_measures.h"
#include "temp_folder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using namespace tandem::bench;

constexpr int Rounds = 7;
constexpr std::size_t LineCounts[] = { 250'000, 500'000, 1'000'000 };

const std::string smallSession = "<?xml version=\"1.0\"?>\n<sesx>\n<session>\n<tracks>\n"
                                 "<audioTrack id=\"10001\" index=\"1\">\n</audioTrack>\n"
                                 "<masterTrack id=\"10000\" index=\"2\">\n</masterTrack>\n</tracks>\n</session>\n"
                                 "<files>\n</files>\n</sesx>\n";

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

struct Case {
    const char* name;
    // Which of the two sessions is the one of empty lines.
    bool emptyLinesFirst;
};

struct Figures {
    std::size_t lines;
    std::uint64_t inputBytes;
    double seconds;
    std::uint64_t peakBytes;
};

Figures measure(const TempFolder& folder, const Case& c, std::size_t lines)
{
    const std::string emptyLines = "<?xml version=\"1.0\"?>" + std::string(lines, '\n');
    const std::string first = folder.File("first.sesx");
    const std::string second = folder.File("second.sesx");
    writeFile(first, c.emptyLinesFirst ? emptyLines : smallSession);
    writeFile(second, c.emptyLinesFirst ? smallSession : emptyLines);
    const auto merge = [&] {
        const auto outcome = tandem::engine::AppendSession(first, second, folder.Path());
        if (!outcome.succeeded)
            throw std::runtime_error("AppendSession failed: " + outcome.description);
        std::filesystem::remove(outcome.outputPath);
        return true;
    };
    merge();
    std::vector<double> seconds;
    for (int round = 0; round < Rounds; ++round)
        seconds.push_back(SecondsTaken(merge));
    const std::uint64_t peak = PeakResidentBytesInChild(merge);
    return { lines, emptyLines.size() + smallSession.size(), Median(seconds), peak };
}

double megabytes(std::uint64_t bytes) { return static_cast<double>(bytes) / 1e6; }

void report(const Case& c, const std::vector<Figures>& figures)
{
    std::printf("%s\n", c.name);
    for (const Figures& f : figures)
        std::printf("  %7zu lines, %5.2f MB in: %7.2f ms (median of %d), %5.1f ns a line, peak RSS %6.1f MB\n", f.lines,
            megabytes(f.inputBytes), f.seconds * 1e3, Rounds, f.seconds * 1e9 / static_cast<double>(f.lines),
            megabytes(f.peakBytes));
    const Figures& smallest = figures.front();
    const Figures& largest = figures.back();
    const double lineRatio = static_cast<double>(largest.lines) / static_cast<double>(smallest.lines);
    // What the process holds anyway cancels out in the difference.
    const double memoryPerInputByte = static_cast<double>(largest.peakBytes - smallest.peakBytes) /
        static_cast<double>(largest.inputBytes - smallest.inputBytes);
    std::printf("  time ratio %zu/%zu lines: %.2f (linear: %.0f)\n", largest.lines, smallest.lines,
        largest.seconds / smallest.seconds, lineRatio);
    std::printf("  peak RSS ratio: %.2f; memory added per added input byte: %.1f bytes\n",
        static_cast<double>(largest.peakBytes) / static_cast<double>(smallest.peakBytes), memoryPerInputByte);
}

} // namespace

int main()
{
#ifdef __GLIBC__
    // glibc raises its mmap threshold once a large block is freed, after
    // which this process would keep the memory of one measurement, and the
    // next child would start with it. A fixed threshold hands every large
    // block back, so each child's peak is its own merge's.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    try {
        const TempFolder folder;
        for (const Case& c :
            { Case{ "first session of empty lines", true }, Case{ "second session of empty lines", false } }) {
            std::vector<Figures> figures;
            for (const std::size_t lines : LineCounts)
                figures.push_back(measure(folder, c, lines));
            report(c, figures);
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tandem_empty_lines_bench: %s\n", failure.what());
        return 1;
    }
}
