#pragma once

#include <string>

namespace tandem::bench {

// What the merge is held against: `cat first second > copy; sync copy`,
// the same bytes read, written and flushed to the disk as the merge's.
// Returns false when anything fails.
bool CatAndSync(const std::string& first, const std::string& second, const std::string& copy);

// Flushes a file just written to the disk: a generated input still being
// written back would take the disk and a core from the timed runs.
bool SyncFile(const std::string& path);

} // namespace tandem::bench
