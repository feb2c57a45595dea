#include "micro_benchmarks.h"

#include "append_session.h"
#include "plain_copy.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace tandem::bench {

void RegisterMicroBenchmarks(const std::string& first, const std::string& second, const std::string& folder)
{
    const auto inputBytes =
        static_cast<std::int64_t>(std::filesystem::file_size(first) + std::filesystem::file_size(second));

    benchmark::RegisterBenchmark("AppendSession/small_pair", [=](benchmark::State& state) {
        for (auto _ : state) {
            const auto outcome = engine::AppendSession(first, second, folder);
            if (!outcome.succeeded) {
                state.SkipWithError(outcome.description.c_str());
                break;
            }
        }
        state.SetBytesProcessed(state.iterations() * inputBytes);
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("PlainCopy/small_pair", [=](benchmark::State& state) {
        for (auto _ : state) {
            if (!CatAndSync(first, second, folder + "/copy.sesx")) {
                state.SkipWithError("plain copy failed");
                break;
            }
        }
        state.SetBytesProcessed(state.iterations() * inputBytes);
    })->Unit(benchmark::kMillisecond);
}

} // namespace tandem::bench
