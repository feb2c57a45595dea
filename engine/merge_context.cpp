#include "merge_context.h"

#include "line_tests.h"

#include <algorithm>

namespace tandem::engine {

std::size_t FindLineStartingWith(const SessionLines& lines, std::size_t from, std::string_view prefix)
{
    const std::size_t count = lines.size();
    for (std::size_t i = from; i < count; ++i)
        if (lines.StartsWith(i, prefix))
            return i;
    return count;
}

std::size_t BlockEnd(const SessionLines& lines, std::size_t opening, std::string_view prefix)
{
    return std::min(FindLineStartingWith(lines, opening + 1, prefix), lines.size() - 1);
}

void WriteLines(const SessionLines& lines, std::size_t from, std::size_t to, SessionWriter& out)
{
    for (std::size_t i = from; i <= to && i < lines.size(); ++i)
        out.WriteLine(lines[i]);
}

} // namespace tandem::engine
