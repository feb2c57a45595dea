#pragma once

#include <string>
#include <string_view>

namespace tandem::bench {

// A new, empty folder under the system's temporary folder; it goes, with
// everything in it, when the object does.
class TempFolder {
public:
    // Throws std::runtime_error when no folder can be made.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const;

private:
    std::string path_;
};

} // namespace tandem::bench
