#pragma once

#include <cstdint>
#include <string_view>

namespace tandem::engine {

// The number at the start of `text`: an optional sign, digits and an optional
// fraction, rounded to the nearest integer with halves to even. Text that
// does not start with a number reads as 0. Outside the 32-bit range it is an
// overflow failure.
std::int32_t ParseLeadingNumber(std::string_view text);

// The same in 64 bits, for times in samples.
std::int64_t ParseLeadingNumber64(std::string_view text);

// 32-bit sums of the renumbering rules; overflow is a failure, not a wrap.
std::int32_t CheckedAdd(std::int32_t a, std::int64_t b);
// 64-bit sums of times; overflow is a failure too.
std::int64_t CheckedAdd64(std::int64_t a, std::int64_t b);

} // namespace tandem::engine
