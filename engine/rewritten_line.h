#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tandem::engine {

// A line with numbers put in place of attribute values, kept as pieces of
// the original line so that writing it copies no text twice:
// text[0] number[0] text[1] (number[1] text[2] ...).
struct RewrittenLine {
    static constexpr int MaxNumbers = 4;
    std::array<std::string_view, MaxNumbers + 1> text{};
    std::array<std::int64_t, MaxNumbers> number{};
    int numbers = 1;
};

} // namespace tandem::engine
