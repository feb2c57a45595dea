#pragma once

#include <string>

namespace tandem::bench {

// What the merge is held against: `cat first second > copy; sync copy`,
// the same bytes read, written and flushed to the disk as the merge's.
// Returns false when anything fails.
bool CatAndSync(const std::string& first, const std::string& second, const std::string& copy);

} // namespace tandem::bench
