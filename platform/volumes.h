#pragma once

#include "folder_listing.h"

#include <string>
#include <vector>

namespace tandem::platform {

// A drive as the folder tree shows it. On Windows the letter names it and
// the root is "C:\". Elsewhere a drive is a mounted volume: the root is its
// mount point with a trailing "/" ("/" itself, "/media/usb/") and the letter
// is the volume's place in the drive table, so that lists of drive letters
// keep their meaning.
struct Drive {
    char letter = 0;
    std::string root;
    int type = 0;
};

// The drives and folders the folder tree shows. The program uses the
// system's; tests give the tree a table of their own.
class Volumes {
public:
    virtual ~Volumes() = default;

    // The drives present now, in the system's order.
    virtual std::vector<Drive> Drives() const = 0;
    // The drive type of a path (DriveTypes): NoRootDir unless the path is a
    // drive's root.
    virtual int DriveType(const std::string& path) const = 0;
    // The volume label of a drive root; empty when it has none or it cannot
    // be read.
    virtual std::string VolumeLabel(const std::string& root) const = 0;
    virtual bool ListFolder(const std::string& folder, const FolderVisitor& visit) const = 0;
    virtual std::string CurrentDirectory() const = 0;

    // The letters of the drives present, e.g. "CDE".
    std::string PresentLetters() const;
    // The root of the drive with this letter, or "X:\" for a letter without a
    // drive (a path that is no drive's root).
    std::string RootOfLetter(char letter) const;
    // The root of the drive that holds `path`, or empty.
    std::string DriveRootOf(const std::string& path) const;
    // The letter of the drive that holds the current directory.
    char CurrentDriveLetter() const;
};

// This machine's drives and folders.
const Volumes& SystemVolumes();

} // namespace tandem::platform
