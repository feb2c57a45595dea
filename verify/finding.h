#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tandem::verify {

// One problem found in a session: the line it stands on (1 for the first
// line) and a plain sentence that says what is wrong.
struct Finding {
    std::size_t line = 0;
    std::string text;
};

inline bool operator==(const Finding& a, const Finding& b) { return a.line == b.line && a.text == b.text; }

using Findings = std::vector<Finding>;

} // namespace tandem::verify
