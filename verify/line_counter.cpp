#include "line_counter.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tandem::verify {

namespace {

// Counts the LF bytes sixteen or eight at a time: every line of a session
// passes here.
std::uint64_t countLineFeeds(const char* p, const char* end)
{
    std::uint64_t count = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        // Each lane counts to at most 255 before the lanes are summed.
        __m128i lanes = _mm_setzero_si128();
        for (int block = 0; block < 255 && end - p >= 16; ++block, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, lineFeed));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums)) +
            static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    }
#else
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr std::uint64_t pattern = ones * '\n';
    for (; end - p >= 8; p += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ pattern;
        // The top bit of each byte that was LF, exactly.
        const std::uint64_t zero = ~(((x & low7) + low7) | x | low7);
        count += ((zero >> 7) * ones) >> 56;
    }
#endif
    for (; p < end; ++p)
        count += *p == '\n';
    return count;
}

} // namespace

void LineCounter::Count(const char* begin, const char* end)
{
    if (begin >= end)
        return;
    if (pendingCr_ && *begin == '\n')
        ++crLf_;
    lf_ += countLineFeeds(begin, end);
    for (const char* cr = begin;
         (cr = static_cast<const char*>(std::memchr(cr, '\r', static_cast<std::size_t>(end - cr)))); ++cr) {
        ++cr_;
        if (cr + 1 < end && cr[1] == '\n')
            ++crLf_;
    }
    pendingCr_ = end[-1] == '\r';
}

std::size_t LineCounter::LineOf(TextPosition position) const
{
    return static_cast<std::size_t>(HasLf() ? position.lf : position.cr) + 1;
}

} // namespace tandem::verify
