#include "drive_types.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tandem::platform {

namespace {

template <std::size_t N> bool isOneOf(std::string_view value, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), value) != names.end();
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string_view baseName(std::string_view path)
{
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool isUnder(std::string_view path, std::string_view folder)
{
    return path == folder || startsWith(path, std::string(folder) + "/");
}

constexpr std::array<std::string_view, 3> opticalTypes = { "iso9660", "udf", "cd9660" };

constexpr std::array<std::string_view, 20> networkTypes = { "nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs",
    "fuse.sshfs", "afs", "ncpfs", "9p", "afpfs", "webdav", "davfs", "fuse.davfs2", "glusterfs", "fuse.glusterfs",
    "ceph", "fuse.rclone", "fuse.s3fs", "lustre" };

constexpr std::array<std::string_view, 2> ramTypes = { "tmpfs", "ramfs" };

// File systems the kernel or a sandbox mounts for itself.
constexpr std::array<std::string_view, 25> systemTypes = { "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2",
    "securityfs", "pstore", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "binfmt_misc",
    "autofs", "nsfs", "efivarfs", "rpc_pipefs", "selinuxfs", "squashfs", "overlay", "devfs", "nullfs" };

// Folders whose mounts belong to the system, whatever their file system.
constexpr std::array<std::string_view, 6> systemFolders = { "/proc", "/sys", "/dev", "/run", "/snap", "/var/lib" };

} // namespace

int ClassifyVolume(const VolumeFacts& volume)
{
    const std::string_view device = baseName(volume.device);
    if (isOneOf(volume.fileSystemType, opticalTypes) || startsWith(device, "sr") || startsWith(device, "scd"))
        return DriveTypes::CdRom;
    if (isOneOf(volume.fileSystemType, networkTypes) || startsWith(volume.fileSystemType, "nfs"))
        return DriveTypes::Remote;
    if (isOneOf(volume.fileSystemType, ramTypes))
        return DriveTypes::RamDisk;
    if (volume.removableDevice)
        return DriveTypes::Removable;
    return DriveTypes::Fixed;
}

bool IsUserVolume(const VolumeFacts& volume)
{
    if (volume.mountPoint == "/")
        return true;
    if (isOneOf(volume.fileSystemType, systemTypes))
        return false;
    const bool removableMedia = isUnder(volume.mountPoint, "/run/media");
    for (const auto folder : systemFolders)
        if (isUnder(volume.mountPoint, folder) && !removableMedia)
            return false;
    // A read-only RAM disk holds nothing a user saved: sandboxes mount them.
    return !(isOneOf(volume.fileSystemType, ramTypes) && volume.readOnly);
}

} // namespace tandem::platform
