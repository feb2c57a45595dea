#include "folder_pictures.h"

#include "drive_types.h"

namespace tandem::dirtree {

namespace {

const QString recycled = QStringLiteral("RECYCLED");

} // namespace

QString DrivePicture(int driveType)
{
    namespace types = platform::DriveTypes;
    switch (driveType) {
    case types::Removable:
        return QStringLiteral("RemoveableDisk");
    case types::Fixed:
        return QStringLiteral("FixedDisk");
    case types::Remote:
        return QStringLiteral("NetworkDisk");
    case types::CdRom:
        return QStringLiteral("CDRom");
    case types::RamDisk:
        return QStringLiteral("RamDisk");
    default:
        return QStringLiteral("UnknownDisk");
    }
}

NewFolderLook NewFolderPicture(const QString& name)
{
    if (name.toUpper() == recycled)
        return { QStringLiteral("Recycled"), QString() };
    return { QStringLiteral("ClosedFolder"), QStringLiteral("Visible") };
}

QString FolderPicture(const QString& key, const QString& tag, bool expanded)
{
    if (key.toUpper().endsWith(recycled))
        return QStringLiteral("Recycled");
    if (tag == QLatin1String("Hidden"))
        return expanded ? QStringLiteral("OpenFolder2") : QStringLiteral("ClosedFolder2");
    return expanded ? QStringLiteral("OpenFolder") : QStringLiteral("ClosedFolder");
}

} // namespace tandem::dirtree
