#pragma once

#include <string>

namespace tandem::cli {

// The folder the combined session goes to, as a full path: the given
// folder, or else the folder that holds the first session.
std::string TargetFolder(const std::string& given, const std::string& firstPath);

} // namespace tandem::cli
