#pragma once

#include <string>

namespace tandem::bench {

// Registers Google Benchmark cases over a pair of small sessions already on
// disk: appending them, and the plain copy of both for comparison. Results
// are written into `folder`.
void RegisterMicroBenchmarks(const std::string& first, const std::string& second, const std::string& folder);

} // namespace tandem::bench
