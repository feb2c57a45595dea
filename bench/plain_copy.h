#pragma once

#include <string>

namespace tandem::bench {

// The least any program that rewrites two files must do: read both whole
// into memory, then write each out to a new file, without syncing. Returns
// false when anything fails.
bool CopyBothWhole(
    const std::string& first, const std::string& second, const std::string& firstCopy, const std::string& secondCopy);

} // namespace tandem::bench
