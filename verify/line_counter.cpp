#include "line_counter.h"

#include <algorithm>
#include <cstring>

namespace tandem::verify {

void LineCounter::Count(const char* begin, const char* end)
{
    if (begin >= end)
        return;
    if (pendingCr_ && *begin == '\n')
        ++crLf_;
    lf_ += static_cast<std::uint64_t>(std::count(begin, end, '\n'));
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
