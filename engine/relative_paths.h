#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tandem::engine {

// Rewrites media paths relative to a session's folder so that, read from
// the folder the combined session goes to, they name the same files.
class PathRebase {
public:
    // Nothing when both folders are one: the paths stay as they are.
    static std::optional<PathRebase> Between(const std::string& sessionFolder, const std::string& targetFolder);

    // The path to write, or nothing when it stays as it is: an absolute
    // path, or one on another drive, which no relative path reaches.
    // Backslashes stay backslashes where the path used them.
    std::optional<std::string> Rebased(std::string_view relativePath) const;

private:
    std::vector<std::string> from_;
    std::vector<std::string> to_;
};

} // namespace tandem::engine
