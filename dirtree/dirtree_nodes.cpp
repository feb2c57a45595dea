#include "dirtree_nodes.h"

#include "pic_list.h"

#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace tandem::dirtree {

namespace {

enum Role { KeyRole = Qt::UserRole + 1, TagRole, PictureRole, ChildrenSortedRole };

bool before(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

// The index at which a node with `text` keeps its siblings in order.
template <typename ChildAt> int sortedPosition(int count, const QString& text, ChildAt childAt)
{
    int position = 0;
    while (position < count && !before(text, childAt(position)->text(0)))
        ++position;
    return position;
}

} // namespace

DirtreeNodes::DirtreeNodes(QTreeWidget& tree, const PicList& pictures)
    : tree_(tree)
    , pictures_(pictures)
{
}

QTreeWidgetItem* DirtreeNodes::Add(QTreeWidgetItem* parent, const QString& key, const QString& text)
{
    if (byKey_.contains(key))
        return nullptr;
    auto* node = new QTreeWidgetItem(QStringList(text));
    node->setData(0, KeyRole, key);
    if (parent) {
        const int position = ChildrenSorted(parent)
            ? sortedPosition(parent->childCount(), text, [parent](int i) { return parent->child(i); })
            : parent->childCount();
        parent->insertChild(position, node);
    } else {
        const int position = topLevelSorted_
            ? sortedPosition(tree_.topLevelItemCount(), text, [this](int i) { return tree_.topLevelItem(i); })
            : tree_.topLevelItemCount();
        tree_.insertTopLevelItem(position, node);
    }
    byKey_.insert(key, node);
    return node;
}

QTreeWidgetItem* DirtreeNodes::Item(const QString& key) const { return byKey_.value(key, nullptr); }

bool DirtreeNodes::Remove(const QString& key)
{
    QTreeWidgetItem* node = Item(key);
    if (!node)
        return false;
    Remove(node);
    return true;
}

void DirtreeNodes::Remove(QTreeWidgetItem* node)
{
    forget(node);
    delete node;
}

void DirtreeNodes::forget(QTreeWidgetItem* node)
{
    for (int i = 0; i < node->childCount(); ++i)
        forget(node->child(i));
    byKey_.remove(Key(node));
}

void DirtreeNodes::Clear()
{
    byKey_.clear();
    tree_.clear();
}

void DirtreeNodes::SetTopLevelSorted(bool sorted)
{
    topLevelSorted_ = sorted;
    if (!sorted)
        return;
    std::vector<QTreeWidgetItem*> nodes;
    while (tree_.topLevelItemCount() > 0)
        nodes.push_back(tree_.takeTopLevelItem(0));
    std::stable_sort(nodes.begin(), nodes.end(),
        [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) { return before(a->text(0), b->text(0)); });
    for (QTreeWidgetItem* node : nodes)
        tree_.addTopLevelItem(node);
}

QString DirtreeNodes::Key(const QTreeWidgetItem* node) { return node->data(0, KeyRole).toString(); }

QString DirtreeNodes::Text(const QTreeWidgetItem* node) { return node->text(0); }

QString DirtreeNodes::Tag(const QTreeWidgetItem* node) { return node->data(0, TagRole).toString(); }

void DirtreeNodes::SetTag(QTreeWidgetItem* node, const QString& tag) { node->setData(0, TagRole, tag); }

QString DirtreeNodes::PictureKey(const QTreeWidgetItem* node) { return node->data(0, PictureRole).toString(); }

void DirtreeNodes::SetPicture(QTreeWidgetItem* node, const QString& pictureKey) const
{
    node->setData(0, PictureRole, pictureKey);
    node->setIcon(0, pictures_.Picture(pictureKey));
}

bool DirtreeNodes::ChildrenSorted(const QTreeWidgetItem* node) { return node->data(0, ChildrenSortedRole).toBool(); }

void DirtreeNodes::SetChildrenSorted(QTreeWidgetItem* node, bool sorted)
{
    node->setData(0, ChildrenSortedRole, sorted);
}

QString DirtreeNodes::FullPath(const QTreeWidgetItem* node)
{
    QString path = node->text(0);
    for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        path = up->text(0) + QLatin1Char('\\') + path;
    return path;
}

} // namespace tandem::dirtree
