#pragma once

#include "line_tests.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::engine {

// One session file as a list of normalised lines: every TAB became a space
// and leading and trailing spaces are gone (a CR at the end of a line stays).
// The lines are views into the file's bytes, which are never written to;
// only a line that keeps a TAB inside is held as a copy.
class SessionLines {
public:
    // Splits at LF, or at CR when there is no LF. False, and no lines, when
    // the text holds a NUL byte: a session is text, and a NUL means some
    // other kind of file was chosen. `text` must outlive the lines.
    bool Split(std::string_view text);
    // For text that need not outlive the lines: it is copied first.
    static SessionLines FromText(std::string_view text);

    std::size_t size() const { return lines_.size(); }
    std::string_view operator[](std::size_t position) const { return lines_[position]; }
    // Whether the line at `position` starts with `prefix`. Passes that look
    // for a few kinds of line among millions compare each line's first bytes
    // as one number, kept apart from the text, and read the text only of a
    // line that matches a longer prefix so far: a pass then reads a tenth of
    // the file's memory.
    bool StartsWith(std::size_t position, std::string_view prefix) const
    {
        const std::size_t compared = std::min(prefix.size(), sizeof(Key));
        const Key mask = compared == sizeof(Key) ? ~Key{ 0 } : (Key{ 1 } << (8 * compared)) - 1;
        if ((keys_[position] & mask) != keyOf(prefix.substr(0, compared)))
            return false;
        return prefix.size() <= sizeof(Key) || engine::StartsWith(lines_[position], prefix);
    }

private:
    using Key = std::uint64_t;
    // The first bytes of `text`, the first in the lowest bits, zeros after a
    // shorter text's end: a line holds no NUL, so a line shorter than a
    // prefix never matches.
    static constexpr Key keyOf(std::string_view text)
    {
        Key key = 0;
        for (std::size_t i = 0; i < text.size() && i < sizeof key; ++i)
            key |= Key{ static_cast<unsigned char>(text[i]) } << (8 * i);
        return key;
    }
    void add(std::string_view line);

    // The line from its first character that is no blank.
    std::string_view normalised(const char* begin, const char* end, bool hasTab);

    std::vector<std::string_view> lines_;
    // Each line's key.
    std::vector<Key> keys_;
    std::deque<std::string> copies_;
    std::string ownText_;
};

} // namespace tandem::engine
