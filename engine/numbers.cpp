#include "numbers.h"

#include "merge_failure.h"

#include "errors.h"

#include <limits>

namespace tandem::engine {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Beyond any time a session holds; saturating here still reports overflow
// of the 32-bit and the 64-bit numbers.
constexpr std::int64_t saturation = std::int64_t{ 1 } << 62;

std::int32_t toInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        FailMerge(platform::ErrorNumber::Overflow);
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int64_t ParseLeadingNumber64(std::string_view text)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    std::int64_t whole = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        whole = whole >= saturation / 10 ? saturation : whole * 10 + (text[at] - '0');
    if (at < text.size() && text[at] == '.') {
        ++at;
        // Only the comparison of the fraction with one half matters.
        int firstDigit = -1;
        bool moreAfterFirst = false;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (firstDigit < 0)
                firstDigit = text[at] - '0';
            else if (text[at] != '0')
                moreAfterFirst = true;
        }
        const bool aboveHalf = firstDigit > 5 || (firstDigit == 5 && moreAfterFirst);
        const bool exactlyHalf = firstDigit == 5 && !moreAfterFirst;
        if (aboveHalf || (exactlyHalf && whole % 2 == 1))
            ++whole;
    }
    if (whole >= saturation)
        FailMerge(platform::ErrorNumber::Overflow);
    return negative ? -whole : whole;
}

std::int32_t ParseLeadingNumber(std::string_view text) { return toInt32(ParseLeadingNumber64(text)); }

std::int64_t CheckedAdd64(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        FailMerge(platform::ErrorNumber::Overflow);
    return sum;
}

std::int32_t CheckedAdd(std::int32_t a, std::int64_t b) { return toInt32(std::int64_t{ a } + b); }

} // namespace tandem::engine
