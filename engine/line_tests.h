#pragma once

#include <string_view>

namespace tandem::engine {

// Every element of a session is recognised by a case-sensitive test on its
// normalised line; a line shorter than the prefix never matches.
inline bool StartsWith(std::string_view line, std::string_view prefix)
{
    return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

inline bool Contains(std::string_view line, std::string_view part) { return line.find(part) != std::string_view::npos; }

} // namespace tandem::engine
