#pragma once

#include <QHash>
#include <QIcon>
#include <QStringList>

class QStyle;

namespace tandem::dirtree {

// The node pictures of the folder tree, by key.
class PicList {
public:
    explicit PicList(const QStyle* style);

    // The twelve keys, in list order.
    static const QStringList& Keys();
    // The picture of a key; a null icon for an unknown or empty key.
    QIcon Picture(const QString& key) const;

private:
    const QStyle* style_;
    mutable QHash<QString, QIcon> pictures_;
};

} // namespace tandem::dirtree
