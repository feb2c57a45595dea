#pragma once

#include <string>

namespace tandem::platform {

// Drive type numbers as Windows reports them; the folder tree chooses its
// pictures and its loading by them.
namespace DriveTypes {
constexpr int Unknown = 0;
constexpr int NoRootDir = 1; // the path is not a drive's root
constexpr int Removable = 2;
constexpr int Fixed = 3;
constexpr int Remote = 4;
constexpr int CdRom = 5;
constexpr int RamDisk = 6;
} // namespace DriveTypes

// What the system says about one mounted volume (Linux and macOS).
struct VolumeFacts {
    std::string mountPoint;
    std::string fileSystemType;
    std::string device;
    bool removableDevice = false;
    bool readOnly = false;
};

// The drive type a mounted volume stands for.
int ClassifyVolume(const VolumeFacts& volume);

// Whether a mounted volume is one a user keeps files on, rather than a view
// the system mounts for its own use.
bool IsUserVolume(const VolumeFacts& volume);

} // namespace tandem::platform
