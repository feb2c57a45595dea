#pragma once

#include <QHash>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace tandem::dirtree {

class PicList;

// The folder tree's nodes, found by key. Every node has a unique key, a
// text, a picture key, a tag and a flag that keeps its children in
// alphabetical order; they are held in the node's item.
class DirtreeNodes {
public:
    DirtreeNodes(QTreeWidget& tree, const PicList& pictures);

    // Adds a node under `parent` (top level for nullptr). Gives nullptr when
    // a node with the key exists already.
    QTreeWidgetItem* Add(QTreeWidgetItem* parent, const QString& key, const QString& text);
    QTreeWidgetItem* Item(const QString& key) const;
    // Removes the node with all its descendants; false when there is none.
    bool Remove(const QString& key);
    void Remove(QTreeWidgetItem* node);
    void Clear();
    int Count() const { return static_cast<int>(byKey_.size()); }

    // Whether top-level nodes are kept in alphabetical order; turning it on
    // orders them at once.
    void SetTopLevelSorted(bool sorted);
    bool TopLevelSorted() const { return topLevelSorted_; }

    static QString Key(const QTreeWidgetItem* node);
    static QString Text(const QTreeWidgetItem* node);
    static QString Tag(const QTreeWidgetItem* node);
    static void SetTag(QTreeWidgetItem* node, const QString& tag);
    static QString PictureKey(const QTreeWidgetItem* node);
    void SetPicture(QTreeWidgetItem* node, const QString& pictureKey) const;
    static bool ChildrenSorted(const QTreeWidgetItem* node);
    static void SetChildrenSorted(QTreeWidgetItem* node, bool sorted);
    // The texts from the top node down, joined by "\".
    static QString FullPath(const QTreeWidgetItem* node);

private:
    void forget(QTreeWidgetItem* node);

    QTreeWidget& tree_;
    const PicList& pictures_;
    QHash<QString, QTreeWidgetItem*> byKey_;
    bool topLevelSorted_ = true;
};

} // namespace tandem::dirtree
