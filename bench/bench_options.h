#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandem::bench {

struct BenchOptions {
    // Size of each of the two large sessions.
    std::uint64_t sessionBytes = 40'000'000;
};

// Reads TANDEM_BENCH_MB, then "--mb N" or "--mb=N" from the arguments that
// Google Benchmark left; the argument wins. Nothing on a bad or unknown
// argument, with the reason in `error`.
std::optional<BenchOptions> ParseBenchOptions(int argc, char** argv, std::string& error);

} // namespace tandem::bench
