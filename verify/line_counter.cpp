#include "line_counter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tandem::verify {

namespace {

struct LineEnds {
    std::uint64_t lf = 0;
    std::uint64_t cr = 0;
    std::uint64_t crLf = 0;
};

// Counts LF, CR and CR LF in one pass, sixteen bytes at a time: every line
// of a session passes here, most of them one tag at a time.
LineEnds countLineEnds(const char* p, const char* end)
{
    LineEnds counts;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i zero = _mm_setzero_si128();
    const auto sum = [zero](__m128i lanes) {
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        return static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums)) +
            static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
    };
    // The byte after each of the sixteen is read too, for CR LF.
    while (end - p > 16) {
        // Each lane counts to at most 255 before the lanes are summed.
        __m128i lfs = zero;
        __m128i crs = zero;
        __m128i crLfs = zero;
        for (int block = 0; block < 255 && end - p > 16; ++block, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
            const __m128i cr = _mm_cmpeq_epi8(bytes, carriageReturn);
            lfs = _mm_sub_epi8(lfs, _mm_cmpeq_epi8(bytes, lineFeed));
            crs = _mm_sub_epi8(crs, cr);
            crLfs = _mm_sub_epi8(crLfs, _mm_and_si128(cr, _mm_cmpeq_epi8(next, lineFeed)));
        }
        counts.lf += sum(lfs);
        counts.cr += sum(crs);
        counts.crLf += sum(crLfs);
    }
#endif
    for (; p < end; ++p) {
        counts.lf += *p == '\n';
        if (*p == '\r') {
            ++counts.cr;
            counts.crLf += p + 1 < end && p[1] == '\n';
        }
    }
    return counts;
}

} // namespace

void LineCounter::Count(const char* begin, const char* end)
{
    if (begin >= end)
        return;
    if (pendingCr_ && *begin == '\n')
        ++crLf_;
    const LineEnds counts = countLineEnds(begin, end);
    lf_ += counts.lf;
    cr_ += counts.cr;
    crLf_ += counts.crLf;
    pendingCr_ = end[-1] == '\r';
}

std::size_t LineCounter::LineOf(TextPosition position) const
{
    return static_cast<std::size_t>(HasLf() ? position.lf : position.cr) + 1;
}

} // namespace tandem::verify
