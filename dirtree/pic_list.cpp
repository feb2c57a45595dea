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
    : style_(style)
{
}

// Made when first asked for: the style looks each one up in the icon theme,
// which a window that is still starting up should not wait for.
QIcon PicList::Picture(const QString& key) const
{
    const auto cached = pictures_.constFind(key);
    if (cached != pictures_.cend())
        return *cached;
    const auto standard = [this](QStyle::StandardPixmap which) { return style_->standardIcon(which); };
    QIcon picture;
    if (key == QLatin1String("NetworkDisk"))
        picture = standard(QStyle::SP_DriveNetIcon);
    else if (key == QLatin1String("RemoveableDisk"))
        picture = standard(QStyle::SP_DriveFDIcon);
    else if (key == QLatin1String("FixedDisk"))
        picture = standard(QStyle::SP_DriveHDIcon);
    else if (key == QLatin1String("RamDisk"))
        picture = standard(QStyle::SP_ComputerIcon);
    else if (key == QLatin1String("UnknownDisk"))
        picture = faded(standard(QStyle::SP_DriveHDIcon));
    else if (key == QLatin1String("ClosedFolder2"))
        picture = faded(Picture(QStringLiteral("ClosedFolder")));
    else if (key == QLatin1String("ClosedFolder"))
        picture = standard(QStyle::SP_DirClosedIcon);
    else if (key == QLatin1String("Recycled"))
        picture = standard(QStyle::SP_TrashIcon);
    else if (key == QLatin1String("OpenFolder2"))
        picture = faded(Picture(QStringLiteral("OpenFolder")));
    else if (key == QLatin1String("OpenFolder"))
        picture = standard(QStyle::SP_DirOpenIcon);
    else if (key == QLatin1String("DriveTree"))
        picture = standard(QStyle::SP_DirHomeIcon);
    else if (key == QLatin1String("CDRom"))
        picture = standard(QStyle::SP_DriveCDIcon);
    else
        return picture;
    pictures_.insert(key, picture);
    return picture;
}

} // namespace tandem::dirtree
