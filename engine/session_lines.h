#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::engine {

// One session file as a list of normalised lines: every TAB became a space
// and leading and trailing spaces are gone (a CR at the end of a line stays).
// The file's bytes are held once; each line is a view into them.
class SessionLines {
public:
    SessionLines() = default;
    // Takes the file's bytes; splits at LF, or at CR when there is no LF.
    SessionLines(std::unique_ptr<char[]> bytes, std::size_t size);
    static SessionLines FromText(std::string_view text);

    std::size_t size() const { return lines_.size(); }
    std::string_view operator[](std::size_t position) const { return lines_[position]; }

private:
    std::unique_ptr<char[]> bytes_;
    std::vector<std::string_view> lines_;
};

} // namespace tandem::engine
