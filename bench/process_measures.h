#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tandem::bench {

// Wall-clock seconds that `work` takes.
double SecondsTaken(const std::function<void()>& work);

double Median(std::vector<double> values);

// The machine's load averages as the kernel gives them, for the record
// beside the figures.
std::string LoadAverage();

// Runs `work` in a forked child and returns the child's peak resident set
// in bytes. The child starts as a copy of this process, so keep this
// process small when calling. Throws std::runtime_error when `work` returns
// false or the child does not exit normally.
std::uint64_t PeakResidentBytesInChild(const std::function<bool()>& work);

// This process's peak resident set so far, in bytes.
std::uint64_t PeakResidentBytes();

// Runs this program afresh with `arguments` and returns the number it
// prints on its standard output: for figures of a process in which nothing
// of this one counts (a forked child holds this process's pages, and even
// after exec the kernel keeps the peak of the memory it came from). Throws
// std::runtime_error when the program does not exit with 0.
std::uint64_t NumberPrintedByThisProgram(const std::vector<std::string>& arguments);

// The private (anonymous) memory that `work` takes in this process at its
// peak: the heap and the like, without the pages of files it maps. The
// kernel keeps no peak of it, so a second thread samples it every
// millisecond. Run it in a fresh process (NumberPrintedByThisProgram): in a
// process that has freed memory before, the work reuses pages that count
// already. Throws std::runtime_error when `work` returns false.
std::uint64_t PeakAnonymousBytes(const std::function<bool()>& work);

} // namespace tandem::bench
