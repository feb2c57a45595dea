#include "rewritten_line.h"

namespace tandem::engine {

std::string RewrittenLine::str() const
{
    std::string line(text[0]);
    for (int i = 0; i < numbers; ++i) {
        line += std::to_string(number[static_cast<std::size_t>(i)]);
        line += text[static_cast<std::size_t>(i) + 1];
    }
    return line;
}

} // namespace tandem::engine
