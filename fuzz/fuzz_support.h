#pragma once

#include "temp_dir.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tandem::fuzz {

// Where one input is cut into two session texts. Everything before the
// first occurrence is the first session, everything after it the second; an
// input without it is all first session and an empty second one.
constexpr std::string_view SessionSeparator = "\n----8<----\n";

struct SessionPair {
    std::string_view first;
    std::string_view second;
};

SessionPair SplitSessions(const std::uint8_t* data, std::size_t size);

// The fuzz target's own folder, made once per process and removed at exit.
const test::TempDir& Scratch();

// Ends the run as a finding when `condition` is false: libFuzzer keeps the
// input that led here.
void Require(bool condition, const char* what);

} // namespace tandem::fuzz
