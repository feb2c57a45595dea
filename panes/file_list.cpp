#include "file_list.h"

#include "busy_pointer.h"

#include <QApplication>
#include <QHeaderView>

namespace tandem::panes {

FileList::FileList(const ListFormats& formats, QWidget* parent)
    : QTreeView(parent)
    , model_(new FileListModel(formats, this))
{
    setModel(model_);
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
    connect(model_, &FileListModel::CheckClicked, this, [this](int row) { CheckFile(At(row)); });
    // A click, or a move with the keys, chooses an entry.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& entry) { entryChosen(entry); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& entry) { entryChosen(entry); });
}

void FileList::entryChosen(const QModelIndex& entry)
{
    if (checking_ || !entry.isValid())
        return;
    CheckFile(entry.siblingAtColumn(Folder));
    // The new check shows before anything else happens.
    QApplication::processEvents();
}

bool FileList::AddEntry(
    const QString& key, const QString& folder, const QString& name, qint64 createdSeconds, qint64 size)
{
    if (keptSorted_)
        SetKeptSorted(false);
    return model_->Add(key, folder, name, createdSeconds, size);
}

QModelIndex FileList::Entry(const QString& key) const { return At(model_->RowOfKey(key)); }

QString FileList::Key(const QModelIndex& entry) { return entry.data(FileListModel::KeyRole).toString(); }

void FileList::ClearEntries()
{
    checking_ = true;
    model_->Clear();
    checking_ = false;
}

void FileList::CheckFile(const QModelIndex& entry)
{
    if (!entry.isValid())
        return;
    checking_ = true;
    model_->CheckOnly(entry.row());
    setCurrentIndex(entry);
    selectionModel()->select(entry, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    checking_ = false;
    emit ChecksChanged();
}

QModelIndex FileList::checkedEntry() const { return At(model_->CheckedRow()); }

QString FileList::GetSelectedFilePath() const { return checkedEntry().data().toString(); }

QString FileList::CheckedKey() const { return Key(checkedEntry()); }

void FileList::SortByColumn(int column)
{
    platform::BusyPointer busy;
    if (column == sortColumn_)
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        sortColumn_ = column;
    checking_ = true;
    model_->Sort(sortColumn_, sortOrder_);
    checking_ = false;
    header()->setSortIndicator(sortColumn_, sortOrder_);
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
    for (int column = 0; column < model_->columnCount(); ++column)
        if (model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() == key)
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
    QTreeView::mouseMoveEvent(event);
}

} // namespace tandem::panes
