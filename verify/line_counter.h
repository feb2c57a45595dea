#pragma once

#include <cstddef>
#include <cstdint>

namespace tandem::verify {

// Where something stands in a file: how many LF and how many CR bytes come
// before it. Which of the two counts lines is known only once the whole file
// is read: LF, or CR in a file without LF, as the merge splits lines.
struct TextPosition {
    std::uint64_t lf = 0;
    std::uint64_t cr = 0;
};

inline TextPosition operator+(TextPosition a, TextPosition b) { return { a.lf + b.lf, a.cr + b.cr }; }
inline bool operator==(TextPosition a, TextPosition b) { return a.lf == b.lf && a.cr == b.cr; }

// Counts the line ends of a text handed to it in order, piece by piece.
class LineCounter {
public:
    void Count(const char* begin, const char* end);
    // The position after everything counted so far.
    TextPosition Position() const { return { lf_, cr_ }; }
    // The line (1 for the first) of a position, once the whole text is counted.
    std::size_t LineOf(TextPosition position) const;
    bool HasLf() const { return lf_ > 0; }
    // A CR that is not followed by LF: in a file with LF, such a CR ends no
    // line for the merge, which then sees two lines as one.
    std::uint64_t BareCrs() const { return cr_ - crLf_; }

private:
    std::uint64_t lf_ = 0;
    std::uint64_t cr_ = 0;
    std::uint64_t crLf_ = 0;
    // The last byte counted was a CR, whose partner may be in the next piece.
    bool pendingCr_ = false;
};

} // namespace tandem::verify
