#pragma once

#include <functional>
#include <string>

namespace tandem::platform {

// One entry of a folder as the file system lists it. "." and ".." are
// listed too, as the Windows search lists them.
struct FolderEntry {
    std::string name;
    bool directory = false;
    // Windows' hidden attribute; elsewhere a name that starts with a dot
    // (and, on macOS, the hidden flag).
    bool hidden = false;
    // Windows' system attribute; elsewhere anything that is neither a file
    // nor a folder (devices, sockets, dangling links).
    bool system = false;
    // A symbolic link or junction: it lists as what it points to, but a walk
    // must not enter it, or a link to a parent folder would never end.
    bool link = false;
};

// Returns false to stop the listing early.
using FolderVisitor = std::function<bool(const FolderEntry&)>;

// Lists `folder` in the order the file system gives. A folder that cannot be
// opened lists nothing and gives false.
bool ListFolder(const std::string& folder, const FolderVisitor& visit);

} // namespace tandem::platform
