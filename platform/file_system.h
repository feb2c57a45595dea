#pragma once

#include <string>

namespace tandem::platform {

// True exactly when `path` names an existing folder.
bool FolderExists(const std::string& path);

} // namespace tandem::platform
