#include "append_session.h"
#include "bench_options.h"
#include "combined_check.h"
#include "merge_check.h"
#include "micro_benchmarks.h"
#include "plain_copy.h"
#include "process_measures.h"
#include "session_check.h"
#include "session_generator.h"
#include "temp_folder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tandem::bench;

// Alternating runs, the median of each side.
constexpr int Rounds = 7;
// The merge against `cat a b > copy; sync copy`, at any size.
constexpr double TimeRatioTarget = 1.5;
// Private (anonymous) memory of the merge against its input.
constexpr double MemoryRatioTarget = 0.3;
// The check after a merge (both inputs and the combined session) adds at
// most half the merge's time, in at most half the combined session's size.
constexpr double CheckRatioTarget = 0.5;
constexpr double CheckMemoryRatioTarget = 0.5;
// A deeply nested session checks about as fast as a flat one of its size.
constexpr double DeepRatioTarget = 2;
constexpr std::uint64_t NestedSessionBytes = 4'000'000;
constexpr std::uint64_t SmallSessionBytes = 1'000'000;
// The layout the merge must normalise most of: CR LF and TABs.
constexpr Layout EditedLayout{ "\r\n", true };

constexpr const char* checkPeakArgument = "--check-peak";
constexpr const char* mergeMemoryArgument = "--merge-memory";

double megabytes(std::uint64_t bytes) { return static_cast<double>(bytes) / 1e6; }

struct SessionPair {
    std::string first;
    std::string second;
    std::string folder;
    std::uint64_t bytes = 0;
};

SessionPair generatePair(const TempFolder& folder, std::string_view tag, std::uint64_t seed, std::uint64_t bytes,
    bool describe, Layout layout = {})
{
    SessionPair pair;
    pair.first = folder.File(std::string(tag) + " first.sesx");
    pair.second = folder.File(std::string(tag) + " second.sesx");
    pair.folder = folder.Path();
    const GeneratedSession sessions[] = { GenerateSession(pair.first, seed, bytes, layout),
        GenerateSession(pair.second, seed + 1, bytes, layout) };
    for (const std::string& path : { pair.first, pair.second })
        if (!SyncFile(path))
            throw std::runtime_error("cannot flush the generated session " + path);
    for (const GeneratedSession& session : sessions) {
        pair.bytes += session.bytes;
        if (describe)
            std::printf("input: %.1f MB, %d audio tracks, %d bus tracks, %d clips\n", megabytes(session.bytes),
                session.audioTracks, session.busTracks, session.clips);
    }
    return pair;
}

// The path of the combined file; throws when the merge fails, since every
// figure after a failed merge would be meaningless.
std::string merge(const SessionPair& pair)
{
    const auto outcome = tandem::engine::AppendSession(pair.first, pair.second, pair.folder);
    if (!outcome.succeeded)
        throw std::runtime_error(
            "AppendSession failed: " + outcome.description + " (error " + std::to_string(outcome.errorNumber) + ")");
    return outcome.outputPath;
}

void copy(const SessionPair& pair, const std::string& copyPath)
{
    if (!CatAndSync(pair.first, pair.second, copyPath))
        throw std::runtime_error("the plain copy of the inputs failed");
}

struct MergeFigures {
    std::string output;
    double mergeSeconds = 0;
};

// The merge against the plain copy, run after run, and the merge's private
// memory; one "bench merge" line.
MergeFigures measureMerge(const TempFolder& folder, const SessionPair& pair, const char* name)
{
    const std::string copyPath = folder.File("copy.sesx");
    // The warm-up runs leave the inputs in the page cache for both sides
    // and tell the output's name, which each timed run starts without.
    MergeFigures figures;
    figures.output = merge(pair);
    copy(pair, copyPath);
    std::vector<double> mergeSeconds;
    std::vector<double> copySeconds;
    for (int round = 0; round < Rounds; ++round) {
        std::filesystem::remove(figures.output);
        mergeSeconds.push_back(SecondsTaken([&] { merge(pair); }));
        std::filesystem::remove(copyPath);
        copySeconds.push_back(SecondsTaken([&] { copy(pair, copyPath); }));
    }
    std::filesystem::remove(copyPath);
    const std::uint64_t privatePeak =
        NumberPrintedByThisProgram({ mergeMemoryArgument, pair.first, pair.second, pair.folder });
    figures.mergeSeconds = Median(mergeSeconds);
    const double copyTime = Median(copySeconds);
    const double inputMb = megabytes(pair.bytes);
    std::printf("%s: merge %.3f s, cat+sync %.3f s (medians of %d), %.0f MB/s of input; private memory %.1f MB\n", name,
        figures.mergeSeconds, copyTime, Rounds, inputMb / figures.mergeSeconds, megabytes(privatePeak));
    std::printf("bench merge %s: time ratio %.2f (target %.1f), private memory ratio %.2f (target %.1f)\n", name,
        figures.mergeSeconds / copyTime, TimeRatioTarget,
        static_cast<double>(privatePeak) / static_cast<double>(pair.bytes), MemoryRatioTarget);
    return figures;
}

// The check after the merge, both inputs and the combined session, which
// runs beside the merge: what it adds to the merge's time, run against run,
// and the memory of the check alone.
void measureCheck(const SessionPair& pair, const MergeFigures& merged)
{
    const auto mergeAndCheck = [&] {
        tandem::verify::MergeCheck live(pair.first, pair.second);
        tandem::engine::AppendOptions options;
        options.written = [&live](const char* data, std::size_t size) { live.Written(data, size); };
        const auto outcome = tandem::engine::AppendSession(pair.first, pair.second, pair.folder, options);
        if (!outcome.succeeded || !live.Finish(outcome.outputPath).Clean())
            throw std::runtime_error("the combined session did not check clean");
    };
    std::vector<double> mergeSeconds;
    std::vector<double> checkedSeconds;
    for (int round = 0; round < Rounds; ++round) {
        std::filesystem::remove(merged.output);
        mergeSeconds.push_back(SecondsTaken([&] { merge(pair); }));
        std::filesystem::remove(merged.output);
        checkedSeconds.push_back(SecondsTaken(mergeAndCheck));
    }
    const std::uint64_t checkPeak =
        NumberPrintedByThisProgram({ checkPeakArgument, pair.first, pair.second, merged.output });
    const std::uint64_t outputBytes = std::filesystem::file_size(merged.output);
    const double mergeTime = Median(mergeSeconds);
    const double checkedTime = Median(checkedSeconds);
    std::printf("merge %.3f s, merge with the check beside it %.3f s (medians of %d); the check alone, in a fresh "
                "process: peak RSS "
                "%.1f MB\n",
        mergeTime, checkedTime, Rounds, megabytes(checkPeak));
    std::printf("bench check: time the check adds / merge %.2f (target %.1f), memory ratio peak/output %.2f (target "
                "%.1f)\n",
        std::max(0.0, checkedTime - mergeTime) / mergeTime, CheckRatioTarget,
        static_cast<double>(checkPeak) / static_cast<double>(outputBytes), CheckMemoryRatioTarget);
}

void removePair(const SessionPair& pair, const MergeFigures& merged)
{
    for (const std::string& path : { pair.first, pair.second, merged.output })
        std::filesystem::remove(path);
}

// A hostile session nested as deep as its size allows, with track outputs
// inside, against a flat session of the same size: the check must stay
// linear in both.
void measureNestedCheck(const TempFolder& folder)
{
    const std::string output = "<trackOutput outputID=\"10005\" type=\"trackID\"/>\n";
    const std::size_t depth = NestedSessionBytes / 2 / 7;
    const std::size_t outputs = NestedSessionBytes / 2 / output.size();
    std::string body;
    for (std::size_t i = 0; i < outputs; ++i)
        body += output;
    std::string nested = "<sesx>\n<tracks>\n<audioTrack id=\"10001\">\n";
    for (std::size_t i = 0; i < depth; ++i)
        nested += "<a>";
    nested += body;
    for (std::size_t i = 0; i < depth; ++i)
        nested += "</a>";
    nested += "\n</audioTrack>\n</tracks>\n</sesx>\n";
    std::string flat = "<sesx>\n<tracks>\n<audioTrack id=\"10001\">\n";
    for (std::size_t i = 0; i < depth; ++i)
        flat += "<a/>   ";
    flat += body + "\n</audioTrack>\n</tracks>\n</sesx>\n";
    const std::string nestedPath = folder.File("nested.sesx");
    const std::string flatPath = folder.File("flat.sesx");
    std::ofstream(nestedPath, std::ios::binary) << nested;
    std::ofstream(flatPath, std::ios::binary) << flat;
    std::vector<double> nestedSeconds;
    std::vector<double> flatSeconds;
    for (int round = 0; round < Rounds; ++round) {
        nestedSeconds.push_back(SecondsTaken([&] { tandem::verify::CheckSessionFile(nestedPath); }));
        flatSeconds.push_back(SecondsTaken([&] { tandem::verify::CheckSessionFile(flatPath); }));
    }
    const double nestedTime = Median(nestedSeconds);
    const double flatTime = Median(flatSeconds);
    std::printf("check of a %.1f MB session nested %zu deep: %.3f s, of a flat one: %.3f s\n", megabytes(nested.size()),
        depth, nestedTime, flatTime);
    std::printf(
        "bench nested check: time ratio nested/flat %.2f (target %.0f)\n", nestedTime / flatTime, DeepRatioTarget);
}

void runMicroBenchmarks(const TempFolder& folder)
{
    const SessionPair pair = generatePair(folder, "small", 101, SmallSessionBytes, false);
    RegisterMicroBenchmarks(pair.first, pair.second, folder.Path());
    benchmark::RunSpecifiedBenchmarks();
}

// `tandem_bench --check-peak FIRST SECOND COMBINED`: checks the three
// files in a fresh process and prints its peak resident bytes.
int printCheckPeak(char** paths)
{
    if (!tandem::verify::CheckCombinedSession(paths[0], paths[1], paths[2]).Clean())
        return 1;
    std::printf("%llu\n", static_cast<unsigned long long>(PeakResidentBytes()));
    return 0;
}

// `tandem_bench --merge-memory FIRST SECOND FOLDER`: merges in a fresh
// process and prints the private memory the merge took at its peak.
int printMergeMemory(char** paths)
{
    const std::uint64_t peak =
        PeakAnonymousBytes([&] { return tandem::engine::AppendSession(paths[0], paths[1], paths[2]).succeeded; });
    std::printf("%llu\n", static_cast<unsigned long long>(peak));
    return 0;
}

int run(int argc, char** argv)
{
    std::string error;
    const auto options = ParseBenchOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "tandem_bench: %s\n", error.c_str());
        return 2;
    }
    const TempFolder folder;
    runMicroBenchmarks(folder);
    std::printf("machine load (1, 5, 15 minutes): %s\n", LoadAverage().c_str());

    const SessionPair pair = generatePair(folder, "main", 1, options->sessionBytes, true, EditedLayout);
    const MergeFigures merged = measureMerge(folder, pair, "main pair (CR LF, TABs)");
    measureCheck(pair, merged);
    removePair(pair, merged);

    const SessionPair large = generatePair(folder, "large", 3, options->largeSessionBytes, true, EditedLayout);
    removePair(large, measureMerge(folder, large, "large pair (CR LF, TABs)"));

    measureNestedCheck(folder);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string_view(argv[1]) == checkPeakArgument)
        return printCheckPeak(argv + 2);
    if (argc == 5 && std::string_view(argv[1]) == mergeMemoryArgument)
        return printMergeMemory(argv + 2);
    benchmark::Initialize(&argc, argv);
    try {
        return run(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tandem_bench: %s\n", failure.what());
        return 1;
    }
}
