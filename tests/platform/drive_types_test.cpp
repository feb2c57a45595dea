#include "drive_types.h"

#include <gtest/gtest.h>

namespace tandem::platform {
namespace {

struct VolumeCase {
    VolumeFacts facts;
    int type;
    bool userVolume;
};

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.facts.mountPoint << " " << c.facts.fileSystemType; }

class VolumeTest : public testing::TestWithParam<VolumeCase> { };

TEST_P(VolumeTest, ClassifiesAndFilters)
{
    EXPECT_EQ(ClassifyVolume(GetParam().facts), GetParam().type);
    EXPECT_EQ(IsUserVolume(GetParam().facts), GetParam().userVolume);
}

INSTANTIATE_TEST_SUITE_P(DriveTypes, VolumeTest,
    testing::Values(VolumeCase{ { "/", "ext4", "/dev/vda", false, false }, DriveTypes::Fixed, true },
        // The root stays even when a container mounts it as an overlay.
        VolumeCase{ { "/", "overlay", "overlay", false, false }, DriveTypes::Fixed, true },
        VolumeCase{ { "/home", "btrfs", "/dev/nvme0n1p2", false, false }, DriveTypes::Fixed, true },
        VolumeCase{ { "/media/ed/STICK", "vfat", "/dev/sdb1", true, false }, DriveTypes::Removable, true },
        VolumeCase{ { "/run/media/ed/CARD", "exfat", "/dev/mmcblk0p1", true, false }, DriveTypes::Removable, true },
        VolumeCase{ { "/media/cdrom", "iso9660", "/dev/sr0", true, true }, DriveTypes::CdRom, true },
        VolumeCase{ { "/media/dvd", "udf", "/dev/sr1", true, true }, DriveTypes::CdRom, true },
        VolumeCase{ { "/Volumes/Disc", "cd9660", "/dev/disk3", false, true }, DriveTypes::CdRom, true },
        VolumeCase{ { "/mnt/nas", "nfs4", "nas:/export", false, false }, DriveTypes::Remote, true },
        VolumeCase{ { "/mnt/share", "cifs", "//server/share", false, false }, DriveTypes::Remote, true },
        VolumeCase{ { "/mnt/remote", "fuse.sshfs", "ed@host:", false, false }, DriveTypes::Remote, true },
        VolumeCase{ { "/Volumes/Music", "smbfs", "//ed@nas/Music", false, false }, DriveTypes::Remote, true },
        VolumeCase{ { "/tmp", "tmpfs", "tmpfs", false, false }, DriveTypes::RamDisk, true },
        // What the system mounts for itself is no drive.
        VolumeCase{ { "/dev/shm", "tmpfs", "tmpfs", false, false }, DriveTypes::RamDisk, false },
        VolumeCase{ { "/run/user/1000", "tmpfs", "tmpfs", false, false }, DriveTypes::RamDisk, false },
        VolumeCase{ { "/mnt/sandbox/tools", "tmpfs", "none", false, true }, DriveTypes::RamDisk, false },
        VolumeCase{ { "/snap/core/123", "squashfs", "/dev/loop0", false, true }, DriveTypes::Fixed, false },
        VolumeCase{ { "/proc", "proc", "proc", false, false }, DriveTypes::Fixed, false },
        VolumeCase{ { "/sys/fs/cgroup", "cgroup2", "cgroup2", false, false }, DriveTypes::Fixed, false },
        VolumeCase{ { "/var/lib/docker/overlay2/x", "overlay", "overlay", false, false }, DriveTypes::Fixed, false }));

} // namespace
} // namespace tandem::platform
