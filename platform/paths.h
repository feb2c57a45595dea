#pragma once

#include <string>

namespace tandem::platform {

// The separator this platform writes: "\" on Windows, "/" elsewhere.
#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

// Windows takes either separator, so both count there when a path is taken
// apart; elsewhere a backslash is an ordinary character of a file name.
#ifdef _WIN32
constexpr bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }
#else
constexpr bool IsPathSeparator(char c) { return c == '/'; }
#endif

// Appends the platform separator unless the path already ends in a
// separator; an empty path becomes the separator alone.
std::string AddTrailingBackslash(std::string path);

// The text after the last separator: the whole path when it has none.
std::string GetFileName(const std::string& path);

// The text before the last separator ("" when there is none); a separator
// that is the first character is kept, so "/x" gives "/".
std::string FolderOfPath(const std::string& path);

} // namespace tandem::platform
