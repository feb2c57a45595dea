#pragma once

#include <cstddef>
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

private:
    // The line from its first character that is no blank.
    std::string_view normalised(const char* begin, const char* end, bool hasTab);

    std::vector<std::string_view> lines_;
    std::deque<std::string> copies_;
    std::string ownText_;
};

} // namespace tandem::engine
