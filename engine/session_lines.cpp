#include "session_lines.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tandem::engine {

namespace {

// Sessions' lines average 60 to 150 bytes. Reserving by the file's size
// for lines this short saves a pass that counts the lines, and a file of
// shorter lines grows its lists once or twice. Room never filled costs no
// memory, but Windows counts it against its commit limit: reserving for
// 16-byte lines there held one and a half times the file.
constexpr std::size_t shortLine = 48;

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool littleEndian = true;
#else
constexpr bool littleEndian = false;
#endif

// A line's first eight bytes as keyOf makes them, in one load.
std::uint64_t loadKey(const char* bytes)
{
    std::uint64_t key = 0;
    std::memcpy(&key, bytes, sizeof key);
    return key;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The first `separator`, TAB or NUL at or after p, or end: the one pass over
// the bytes finds where each line ends and whether it needs more than a view.
const char* nextSpecial(const char* p, const char* end, char separator)
{
#if defined(__SSE2__)
    const __m128i separators = _mm_set1_epi8(separator);
    const __m128i tabs = _mm_set1_epi8('\t');
    const __m128i zeros = _mm_setzero_si128();
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, separators), _mm_cmpeq_epi8(bytes, tabs)),
                _mm_cmpeq_epi8(bytes, zeros)));
        if (found != 0)
            return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p < end && *p != separator && *p != '\t' && *p != '\0')
        ++p;
    return p;
}

// The first byte at or after p that is no space or TAB: indentation, which
// every line of a session has, is passed over sixteen bytes at a time.
const char* skipBlanks(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i spaces = _mm_set1_epi8(' ');
    const __m128i tabs = _mm_set1_epi8('\t');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int blank = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, spaces), _mm_cmpeq_epi8(bytes, tabs)));
        if (blank != 0xFFFF)
            return p + __builtin_ctz(static_cast<unsigned>(~blank));
    }
#endif
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

} // namespace

std::string_view SessionLines::normalised(const char* begin, const char* end, bool hasTab)
{
    while (end > begin && isBlank(end[-1]))
        --end;
    const std::string_view line(begin, static_cast<std::size_t>(end - begin));
    if (!hasTab || line.find('\t') == std::string_view::npos)
        return line;
    std::string& copy = copies_.emplace_back(line);
    std::replace(copy.begin(), copy.end(), '\t', ' ');
    return copy;
}

void SessionLines::add(std::string_view line)
{
    lines_.push_back(line);
    keys_.push_back(line.size() >= sizeof(Key) && littleEndian ? loadKey(line.data()) : keyOf(line));
}

bool SessionLines::Split(std::string_view text)
{
    lines_.clear();
    keys_.clear();
    copies_.clear();
    if (text.empty())
        return true;
    const char* const end = text.data() + text.size();
    const char separator = text.find('\n') != std::string_view::npos ? '\n' : '\r';
    lines_.reserve(text.size() / shortLine + 1);
    keys_.reserve(text.size() / shortLine + 1);
    const char* start = text.data();
    for (;;) {
        // Indentation is passed over before the search, so that TABs there
        // cost no stop.
        start = skipBlanks(start, end);
        const char* p = start;
        bool hasTab = false;
        for (;;) {
            p = nextSpecial(p, end, separator);
            if (p == end || *p == separator)
                break;
            if (*p == '\0') {
                lines_.clear();
                keys_.clear();
                copies_.clear();
                return false;
            }
            hasTab = true;
            ++p;
        }
        add(normalised(start, p, hasTab));
        if (p == end)
            return true;
        start = p + 1;
    }
}

SessionLines SessionLines::FromText(std::string_view text)
{
    SessionLines lines;
    lines.ownText_ = std::string(text);
    lines.Split(lines.ownText_);
    return lines;
}

} // namespace tandem::engine
