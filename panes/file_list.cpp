#include "file_list.h"

#include "list_formats.h"

#include "busy_pointer.h"

#include <QApplication>
#include <QHeaderView>

#include <algorithm>

namespace tandem::panes {

namespace {

enum Role { KeyRole = Qt::UserRole + 1, SortRole };

// Entries sort by keys kept beside their texts: the creation time as a
// number and the size as right-aligned digits, so the shown texts never
// change for a sort.
bool entryLess(const QTreeWidgetItem& a, const QTreeWidgetItem& b, int column)
{
    switch (column) {
    case FileList::Created:
        return a.data(column, SortRole).toLongLong() < b.data(column, SortRole).toLongLong();
    case FileList::Bytes:
        return a.data(column, SortRole).toString() < b.data(column, SortRole).toString();
    default:
        return a.text(column).compare(b.text(column), Qt::CaseInsensitive) < 0;
    }
}

class FileListEntry : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        return entryLess(*this, other, treeWidget() ? treeWidget()->sortColumn() : 0);
    }
};

} // namespace

FileList::FileList(const ListFormats& formats, QWidget* parent)
    : QTreeWidget(parent)
    , formats_(formats)
{
    setColumnCount(4);
    setHeaderLabels(
        { QStringLiteral("Folder"), QStringLiteral("File"), QStringLiteral("Created"), QStringLiteral("Bytes") });
    headerItem()->setTextAlignment(Bytes, Qt::AlignRight | Qt::AlignVCenter);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    // The window keeps the Folder column from getting too narrow itself.
    header()->setMinimumSectionSize(1);
    for (int column = Folder; column <= Bytes; ++column)
        SetColumnWidthTwips(column, InitialColumnWidth);

    connect(header(), &QHeaderView::sectionClicked, this, &FileList::SortByColumn);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* entry, int column) {
        if (!checking_ && column == Folder)
            CheckFile(entry);
    });
    // A click, or a move with the keys, chooses an entry.
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* entry) { entryChosen(entry); });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* entry) { entryChosen(entry); });
}

void FileList::entryChosen(QTreeWidgetItem* entry)
{
    if (checking_ || !entry)
        return;
    CheckFile(entry);
    // The new check shows before anything else happens.
    QApplication::processEvents();
}

QTreeWidgetItem* FileList::AddEntry(
    const QString& key, const QString& folder, const QString& name, const QDateTime& created, qint64 size)
{
    if (byKey_.contains(key))
        return nullptr;
    auto* entry =
        new FileListEntry(QStringList{ folder, name, formats_.FormatCreated(created), formats_.FormatSize(size) });
    entry->setData(Folder, KeyRole, key);
    entry->setData(Created, SortRole, created.toSecsSinceEpoch());
    entry->setData(Bytes, SortRole, formats_.RightAligned(size));
    entry->setTextAlignment(Bytes, Qt::AlignRight | Qt::AlignVCenter);
    entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    entry->setCheckState(Folder, Qt::Unchecked);
    int position = topLevelItemCount();
    if (keptSorted_) {
        // Binary search for the first entry that sorts after the new one.
        int low = 0;
        int high = position;
        while (low < high) {
            const int middle = (low + high) / 2;
            const bool after = sortOrder_ == Qt::AscendingOrder ? entryLess(*entry, *topLevelItem(middle), sortColumn_)
                                                                : entryLess(*topLevelItem(middle), *entry, sortColumn_);
            if (after)
                high = middle;
            else
                low = middle + 1;
        }
        position = low;
    }
    const bool wasChecking = checking_;
    checking_ = true;
    insertTopLevelItem(position, entry);
    checking_ = wasChecking;
    byKey_.insert(key, entry);
    return entry;
}

QString FileList::Key(const QTreeWidgetItem* entry) { return entry->data(Folder, KeyRole).toString(); }

void FileList::ClearEntries()
{
    checking_ = true;
    byKey_.clear();
    clear();
    checking_ = false;
}

void FileList::CheckFile(QTreeWidgetItem* entry)
{
    checking_ = true;
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setCheckState(Folder, Qt::Unchecked);
    entry->setCheckState(Folder, Qt::Checked);
    setCurrentItem(entry);
    entry->setSelected(true);
    checking_ = false;
    emit ChecksChanged();
}

int FileList::CheckCountNum() const
{
    int count = 0;
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->checkState(Folder) == Qt::Checked)
            ++count;
    return count;
}

QTreeWidgetItem* FileList::firstChecked() const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (topLevelItem(i)->checkState(Folder) == Qt::Checked)
            return topLevelItem(i);
    return nullptr;
}

QString FileList::GetSelectedFilePath() const
{
    const QTreeWidgetItem* checked = firstChecked();
    return checked ? checked->text(Folder) : QString();
}

QString FileList::CheckedKey() const
{
    const QTreeWidgetItem* checked = firstChecked();
    return checked ? Key(checked) : QString();
}

void FileList::SortByColumn(int column)
{
    platform::BusyPointer busy;
    if (column == sortColumn_)
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        sortColumn_ = column;
    checking_ = true;
    sortItems(sortColumn_, sortOrder_);
    checking_ = false;
    SetKeptSorted(true);
    emit ChecksChanged();
}

void FileList::SetKeptSorted(bool kept)
{
    keptSorted_ = kept;
    header()->setSortIndicatorShown(kept);
}

int FileList::ColumnOfKey(const QString& key) const
{
    for (int column = 0; column < columnCount(); ++column)
        if (headerItem()->text(column) == key)
            return column;
    return -1;
}

double FileList::ColumnWidthTwips(int column) const { return columnWidth(column) * 1440.0 / logicalDpiX(); }

void FileList::SetColumnWidthTwips(int column, double twips)
{
    setColumnWidth(column, static_cast<int>(twips * logicalDpiX() / 1440.0 + 0.5));
}

void FileList::mouseMoveEvent(QMouseEvent* event)
{
    emit MouseMoved();
    QTreeWidget::mouseMoveEvent(event);
}

} // namespace tandem::panes
