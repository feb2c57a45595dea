#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandem::bench {

struct BenchOptions {
    // Size of each of the two sessions of the main pair, and of the large
    // pair that shows whether the merge's cost grows faster than its size.
    std::uint64_t sessionBytes = 80'000'000;
    std::uint64_t largeSessionBytes = 330'000'000;
};

// Reads TANDEM_BENCH_MB, then "--mb N" or "--mb=N" from the arguments that
// Google Benchmark left; the argument wins; "--large-mb N" sets the large
// pair. Nothing on a bad or unknown argument, with the reason in `error`.
std::optional<BenchOptions> ParseBenchOptions(int argc, char** argv, std::string& error);

} // namespace tandem::bench
