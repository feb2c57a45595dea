#include "append_session.h"
#include "bench_options.h"
#include "combined_check.h"
#include "micro_benchmarks.h"
#include "plain_copy.h"
#include "process_measures.h"
#include "session_check.h"
#include "session_generator.h"
#include "temp_folder.h"

#include <benchmark/benchmark.h>

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

constexpr int Rounds = 5;
constexpr double TimeRatioTarget = 3;
constexpr double MemoryRatioTarget = 2;
// The check after a merge (both inputs and the combined session) adds at
// most half the merge's time, in at most half the combined session's size.
constexpr double CheckRatioTarget = 0.5;
constexpr double CheckMemoryRatioTarget = 0.5;
// A deeply nested session checks about as fast as a flat one of its size.
constexpr double DeepRatioTarget = 2;
constexpr std::uint64_t NestedSessionBytes = 4'000'000;
constexpr std::uint64_t SmallSessionBytes = 1'000'000;

double megabytes(std::uint64_t bytes) { return static_cast<double>(bytes) / 1e6; }

struct SessionPair {
    std::string first;
    std::string second;
    std::string folder;
    std::uint64_t bytes = 0;
};

SessionPair generatePair(
    const TempFolder& folder, std::string_view tag, std::uint64_t seed, std::uint64_t bytes, bool describe)
{
    SessionPair pair;
    pair.first = folder.File(std::string(tag) + " first.sesx");
    pair.second = folder.File(std::string(tag) + " second.sesx");
    pair.folder = folder.Path();
    const GeneratedSession sessions[] = { GenerateSession(pair.first, seed, bytes),
        GenerateSession(pair.second, seed + 1, bytes) };
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

void copy(const SessionPair& pair, const std::string& firstCopy, const std::string& secondCopy)
{
    if (!CopyBothWhole(pair.first, pair.second, firstCopy, secondCopy))
        throw std::runtime_error("the plain copy of the inputs failed");
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

    const SessionPair pair = generatePair(folder, "large", 1, options->sessionBytes, true);
    const std::string firstCopy = folder.File("copy of first.sesx");
    const std::string secondCopy = folder.File("copy of second.sesx");

    // The warm-up runs leave the inputs in the page cache for both sides
    // and tell the output's name, which each timed run starts without.
    const std::string output = merge(pair);
    copy(pair, firstCopy, secondCopy);
    std::vector<double> mergeSeconds;
    std::vector<double> copySeconds;
    for (int round = 0; round < Rounds; ++round) {
        std::filesystem::remove(output);
        mergeSeconds.push_back(SecondsTaken([&] { merge(pair); }));
        std::filesystem::remove(firstCopy);
        std::filesystem::remove(secondCopy);
        copySeconds.push_back(SecondsTaken([&] { copy(pair, firstCopy, secondCopy); }));
    }
    const std::uint64_t mergePeak = PeakResidentBytesInChild(
        [&] { return tandem::engine::AppendSession(pair.first, pair.second, pair.folder).succeeded; });
    const std::uint64_t copyPeak =
        PeakResidentBytesInChild([&] { return CopyBothWhole(pair.first, pair.second, firstCopy, secondCopy); });

    // Measured last: the heap the check leaves in this process would count
    // in the children that measure the merge and the copy.
    const auto checkAll = [&] { return tandem::verify::CheckCombinedSession(pair.first, pair.second, output); };
    std::vector<double> checkSeconds;
    for (int round = 0; round < Rounds; ++round)
        checkSeconds.push_back(SecondsTaken([&] {
            const auto check = checkAll();
            if (!check.Clean())
                throw std::runtime_error("the combined session did not check clean");
        }));
    const std::uint64_t checkPeak = PeakResidentBytesInChild([&] { return checkAll().Clean(); });
    const std::uint64_t outputBytes = std::filesystem::file_size(output);
    const double inputMb = megabytes(pair.bytes);
    const double mergeTime = Median(mergeSeconds);
    const double copyTime = Median(copySeconds);
    const double timeRatio = mergeTime / copyTime;
    const double memoryRatio = static_cast<double>(mergePeak) / static_cast<double>(pair.bytes);
    std::printf("combined input: %.1f MB\n", inputMb);
    std::printf("merge: %.3f s (median of %d), %.0f MB/s of input\n", mergeTime, Rounds, inputMb / mergeTime);
    std::printf("plain copy: %.3f s (median of %d)\n", copyTime, Rounds);
    std::printf("time ratio merge/copy: %.2f\n", timeRatio);
    std::printf("peak RSS: merge %.1f MB (%.2f x input), plain copy %.1f MB (%.2f x input)\n", megabytes(mergePeak),
        memoryRatio, megabytes(copyPeak), static_cast<double>(copyPeak) / static_cast<double>(pair.bytes));
    std::printf("bench merge: time ratio %.1f (target %.0f), memory ratio %.1f (target %.0f)\n", timeRatio,
        TimeRatioTarget, memoryRatio, MemoryRatioTarget);
    const double checkTime = Median(checkSeconds);
    std::printf("check of both inputs and the combined session: %.3f s (median of %d), peak RSS %.1f MB\n", checkTime,
        Rounds, megabytes(checkPeak));
    std::printf("bench check: time ratio check/merge %.2f (target %.1f), memory ratio peak/output %.2f (target %.1f)\n",
        checkTime / mergeTime, CheckRatioTarget, static_cast<double>(checkPeak) / static_cast<double>(outputBytes),
        CheckMemoryRatioTarget);
    measureNestedCheck(folder);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    try {
        return run(argc, argv);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "tandem_bench: %s\n", failure.what());
        return 1;
    }
}
