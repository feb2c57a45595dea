#pragma once

#include "paths.h"

#include <algorithm>
#include <string>

namespace tandem::test {

// Tests write paths with "/"; the window shows and keys them with the
// system's separator.
inline std::string NativePath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', platform::PathSeparator);
    return path;
}

} // namespace tandem::test
