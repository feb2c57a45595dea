#include "session_lines.h"

#include <algorithm>
#include <cstring>

namespace tandem::engine {

namespace {

// Every line is examined and written normalised, and normalising turns each
// TAB into a space, so doing it once for the whole buffer is the same thing
// and never copies a line.
void replaceTabs(char* begin, char* end)
{
    for (char* tab = begin; (tab = static_cast<char*>(std::memchr(tab, '\t', static_cast<std::size_t>(end - tab))));
         ++tab)
        *tab = ' ';
}

std::string_view trimSpaces(const char* begin, const char* end)
{
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    return { begin, static_cast<std::size_t>(end - begin) };
}

} // namespace

SessionLines::SessionLines(std::unique_ptr<char[]> bytes, std::size_t size)
    : bytes_(std::move(bytes))
{
    if (size == 0)
        return;
    char* const begin = bytes_.get();
    char* const end = begin + size;
    replaceTabs(begin, end);
    const char separator = std::memchr(begin, '\n', size) ? '\n' : '\r';
    const auto count = static_cast<std::size_t>(std::count(begin, end, separator));
    lines_.reserve(count + 1);
    const char* start = begin;
    for (;;) {
        const auto* found =
            static_cast<const char*>(std::memchr(start, separator, static_cast<std::size_t>(end - start)));
        if (!found) {
            lines_.push_back(trimSpaces(start, end));
            break;
        }
        lines_.push_back(trimSpaces(start, found));
        start = found + 1;
    }
}

SessionLines SessionLines::FromText(std::string_view text)
{
    std::unique_ptr<char[]> bytes(new char[text.size() + 1]);
    std::copy(text.begin(), text.end(), bytes.get());
    return SessionLines(std::move(bytes), text.size());
}

} // namespace tandem::engine
