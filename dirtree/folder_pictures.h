#pragma once

#include <QString>

namespace tandem::dirtree {

// The picture a drive node gets from its drive type.
QString DrivePicture(int driveType);

// A folder node as it is first listed: its picture and its tag. A folder
// named "RECYCLED" (any case) gets the recycle picture and no tag.
struct NewFolderLook {
    QString picture;
    QString tag;
};
NewFolderLook NewFolderPicture(const QString& name);

// A folder node's picture after it is expanded or collapsed. This test looks
// at the end of the key, not at the whole name, so "MyRecycled" turns into
// the recycle picture once it has been opened.
QString FolderPicture(const QString& key, const QString& tag, bool expanded);

} // namespace tandem::dirtree
