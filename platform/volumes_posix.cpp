#include "drive_types.h"
#include "volumes.h"

#include <QStorageInfo>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace tandem::platform {

namespace {

// Letters in the order Windows users know them: C first, A and B last.
constexpr char driveLetters[] = "CDEFGHIJKLMNOPQRSTUVWXYZAB";

// Linux marks removable block devices in sysfs; a partition asks its disk.
bool isRemovableDevice(const std::string& device)
{
    const auto slash = device.rfind('/');
    if (device.rfind("/dev/", 0) != 0 || slash == std::string::npos)
        return false;
    char resolved[PATH_MAX];
    const std::string entry = "/sys/class/block/" + device.substr(slash + 1);
    if (!::realpath(entry.c_str(), resolved))
        return false;
    std::string disk = resolved;
    if (std::ifstream(disk + "/partition").good())
        disk = disk.substr(0, disk.rfind('/'));
    char flag = '0';
    std::ifstream(disk + "/removable") >> flag;
    return flag == '1';
}

struct MountedDrive {
    Drive drive;
    std::string label;
};

std::vector<MountedDrive> mountedDrives()
{
    std::vector<MountedDrive> found;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid())
            continue;
        VolumeFacts facts;
        facts.mountPoint = volume.rootPath().toStdString();
        facts.fileSystemType = volume.fileSystemType().toStdString();
        facts.device = volume.device().toStdString();
        facts.readOnly = volume.isReadOnly();
        facts.removableDevice = isRemovableDevice(facts.device);
        if (!IsUserVolume(facts))
            continue;
        MountedDrive mounted;
        mounted.drive.root = facts.mountPoint == "/" ? "/" : facts.mountPoint + "/";
        mounted.drive.type = ClassifyVolume(facts);
        mounted.label = volume.name().toStdString();
        // "/" comes first, the rest in mount order.
        if (facts.mountPoint == "/")
            found.insert(found.begin(), mounted);
        else
            found.push_back(mounted);
    }
    if (found.size() > sizeof driveLetters - 1)
        found.resize(sizeof driveLetters - 1);
    for (std::size_t i = 0; i < found.size(); ++i)
        found[i].drive.letter = driveLetters[i];
    return found;
}

class MountedVolumes final : public Volumes {
public:
    std::vector<Drive> Drives() const override
    {
        std::vector<Drive> drives;
        for (const MountedDrive& mounted : mountedDrives())
            drives.push_back(mounted.drive);
        return drives;
    }

    int DriveType(const std::string& path) const override
    {
        for (const MountedDrive& mounted : mountedDrives())
            if (mounted.drive.root == path)
                return mounted.drive.type;
        return DriveTypes::NoRootDir;
    }

    std::string VolumeLabel(const std::string& root) const override
    {
        for (const MountedDrive& mounted : mountedDrives())
            if (mounted.drive.root == root)
                return mounted.label;
        return {};
    }

    bool ListFolder(const std::string& folder, const FolderVisitor& visit) const override
    {
        return platform::ListFolder(folder, visit);
    }

    std::string CurrentDirectory() const override
    {
        char buffer[PATH_MAX];
        return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string("/");
    }
};

} // namespace

const Volumes& SystemVolumes()
{
    static const MountedVolumes volumes;
    return volumes;
}

} // namespace tandem::platform
