#pragma once

#include <string>

namespace tandem::platform {

// True exactly when `path` names an existing folder.
bool FolderExists(const std::string& path);

// True when both paths lead to one and the same file, however they are
// spelled: through a link, or in another case where names are told apart
// by case. False when either cannot be reached.
bool SameFile(const std::string& first, const std::string& second);

} // namespace tandem::platform
