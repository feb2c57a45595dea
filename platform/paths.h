#pragma once

#include <string>

namespace tandem::platform {

// The separator this platform writes: "\" on Windows, "/" elsewhere.
#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

// Paths typed or pasted by users may carry either separator, so both count
// when a path is taken apart.
constexpr bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// Appends the platform separator unless the path already ends in one (either
// kind); an empty path becomes the separator alone.
std::string AddTrailingBackslash(std::string path);

// The text after the last separator: the whole path when it has none.
std::string GetFileName(const std::string& path);

// The text before the last separator ("" when there is none); a separator
// that is the first character is kept, so "/x" gives "/".
std::string FolderOfPath(const std::string& path);

} // namespace tandem::platform
