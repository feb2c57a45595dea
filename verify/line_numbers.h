#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tandem::verify {

// Turns byte offsets into line numbers. Lines end at LF, or at CR in a file
// without LF, as the merge splits them, so the numbers match what the user
// sees in an editor. The line ends are taken before the parser writes its
// terminators into the text.
class LineNumbers {
public:
    explicit LineNumbers(std::string_view text);
    std::size_t LineOf(std::size_t offset) const;

private:
    std::vector<std::size_t> lineEnds_;
};

} // namespace tandem::verify
