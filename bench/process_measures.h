#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tandem::bench {

// Wall-clock seconds that `work` takes.
double SecondsTaken(const std::function<void()>& work);

double Median(std::vector<double> values);

// Runs `work` in a forked child and returns the child's peak resident set
// in bytes. The child starts as a copy of this process, so keep this
// process small when calling. Throws std::runtime_error when `work` returns
// false or the child does not exit normally.
std::uint64_t PeakResidentBytesInChild(const std::function<bool()>& work);

} // namespace tandem::bench
