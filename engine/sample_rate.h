#pragma once

#include <string>
#include <string_view>

namespace tandem::engine {

// The sampleRate value on a session's "<session " line, as written; empty
// when the session has no such line or value.
std::string SampleRateOfText(std::string_view text);

// The same, read from a file; empty also when the file cannot be read, which
// the merge itself then reports.
std::string SessionSampleRate(const std::string& path);

// True when both rates are known and are not the same number: combining such
// sessions places session 2's clips, counted in its own samples, at the
// wrong times.
bool SampleRatesDiffer(const std::string& first, const std::string& second);

} // namespace tandem::engine
