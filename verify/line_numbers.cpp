#include "line_numbers.h"

#include <algorithm>

namespace tandem::verify {

LineNumbers::LineNumbers(std::string_view text)
{
    const char separator = text.find('\n') != std::string_view::npos ? '\n' : '\r';
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, at + 1))
        lineEnds_.push_back(at);
}

std::size_t LineNumbers::LineOf(std::size_t offset) const
{
    // The number of line ends before the offset, plus one.
    const auto before = std::lower_bound(lineEnds_.begin(), lineEnds_.end(), offset) - lineEnds_.begin();
    return static_cast<std::size_t>(before) + 1;
}

} // namespace tandem::verify
