#include "pic_list.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace tandem::dirtree {

namespace {

constexpr int pictureSize = 16;

// Hidden folders look faded, so they stand apart from ordinary ones.
QIcon faded(const QIcon& icon)
{
    QPixmap pixmap(pictureSize, pictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(0.4);
    painter.drawPixmap(0, 0, icon.pixmap(pictureSize, pictureSize));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

const QStringList& PicList::Keys()
{
    static const QStringList keys = { QStringLiteral("NetworkDisk"), QStringLiteral("RemoveableDisk"),
        QStringLiteral("FixedDisk"), QStringLiteral("RamDisk"), QStringLiteral("UnknownDisk"),
        QStringLiteral("ClosedFolder2"), QStringLiteral("ClosedFolder"), QStringLiteral("Recycled"),
        QStringLiteral("OpenFolder2"), QStringLiteral("OpenFolder"), QStringLiteral("DriveTree"),
        QStringLiteral("CDRom") };
    return keys;
}

PicList::PicList(const QStyle* style)
{
    const auto standard = [style](QStyle::StandardPixmap which) { return style->standardIcon(which); };
    const QIcon closedFolder = standard(QStyle::SP_DirClosedIcon);
    const QIcon openFolder = standard(QStyle::SP_DirOpenIcon);
    pictures_.insert(QStringLiteral("NetworkDisk"), standard(QStyle::SP_DriveNetIcon));
    pictures_.insert(QStringLiteral("RemoveableDisk"), standard(QStyle::SP_DriveFDIcon));
    pictures_.insert(QStringLiteral("FixedDisk"), standard(QStyle::SP_DriveHDIcon));
    pictures_.insert(QStringLiteral("RamDisk"), standard(QStyle::SP_ComputerIcon));
    pictures_.insert(QStringLiteral("UnknownDisk"), faded(standard(QStyle::SP_DriveHDIcon)));
    pictures_.insert(QStringLiteral("ClosedFolder2"), faded(closedFolder));
    pictures_.insert(QStringLiteral("ClosedFolder"), closedFolder);
    pictures_.insert(QStringLiteral("Recycled"), standard(QStyle::SP_TrashIcon));
    pictures_.insert(QStringLiteral("OpenFolder2"), faded(openFolder));
    pictures_.insert(QStringLiteral("OpenFolder"), openFolder);
    pictures_.insert(QStringLiteral("DriveTree"), standard(QStyle::SP_DirHomeIcon));
    pictures_.insert(QStringLiteral("CDRom"), standard(QStyle::SP_DriveCDIcon));
}

QIcon PicList::Picture(const QString& key) const { return pictures_.value(key); }

} // namespace tandem::dirtree
