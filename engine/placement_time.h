#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tandem::engine {

// A time the user gives for where session 2 goes: a clock time
// ("1:02:03.500", "2:03.5", "3.25"), or whole samples ("144000").
struct PlacementTime {
    std::optional<std::int64_t> samples;
    double seconds = 0;
};

// Nothing when the text is neither; a clock time needs a ":" or a ".", and
// its minutes and seconds below 60 where a larger unit is given.
std::optional<PlacementTime> ParsePlacementTime(const std::string& text);

// A gap in seconds that the user gives: a plain decimal number, not below 0
// ("2", "0.5", "1."); nothing for anything else.
std::optional<double> ParseGapSeconds(const std::string& text);

} // namespace tandem::engine
