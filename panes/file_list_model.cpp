#include "file_list_model.h"

#include "list_formats.h"
#include "text_order.h"

#include <algorithm>

namespace tandem::panes {

namespace {

const QString captions[] = { QStringLiteral("Folder"), QStringLiteral("File"), QStringLiteral("Created"),
    QStringLiteral("Bytes") };
constexpr int columns = 4;

QVariant alignment(int column)
{
    return column == FileListModel::Bytes ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
}

} // namespace

FileListModel::FileListModel(const ListFormats& formats, QObject* parent)
    : QAbstractTableModel(parent)
    , formats_(formats)
{
}

bool FileListModel::Add(
    const QString& key, const QString& folder, const QString& name, qint64 createdSeconds, qint64 size)
{
    // One look-up finds the key or makes its slot (zero: no entry yet).
    int& slot = byKey_[key];
    if (slot != 0)
        return false;
    const int entry = static_cast<int>(entries_.size());
    slot = entry + 1;
    beginInsertRows({}, entry, entry);
    entries_.push_back(
        { key, folder, name, formats_.FormatCreated(createdSeconds), formats_.FormatSize(size), createdSeconds, size });
    order_.push_back(entry);
    rowOf_.push_back(entry);
    endInsertRows();
    return true;
}

void FileListModel::Clear()
{
    beginResetModel();
    entries_.clear();
    order_.clear();
    rowOf_.clear();
    byKey_.clear();
    checked_ = -1;
    endResetModel();
}

int FileListModel::RowOfKey(const QString& key) const
{
    const int slot = byKey_.value(key);
    return slot == 0 ? -1 : rowOf_[static_cast<std::size_t>(slot - 1)];
}

void FileListModel::CheckOnly(int row)
{
    const int before = CheckedRow();
    checked_ = order_[static_cast<std::size_t>(row)];
    if (before >= 0 && before != row)
        emit dataChanged(index(before, Folder), index(before, Folder), { Qt::CheckStateRole });
    emit dataChanged(index(row, Folder), index(row, Folder), { Qt::CheckStateRole });
}

void FileListModel::Sort(int column, Qt::SortOrder order)
{
    std::vector<qint64> keys(entries_.size());
    if (column == Folder || column == File) {
        std::vector<QStringView> texts;
        texts.reserve(entries_.size());
        for (const Entry& entry : entries_)
            texts.emplace_back(column == Folder ? entry.folder : entry.name);
        const std::vector<int> ranks = CaseInsensitiveRanks(texts);
        std::copy(ranks.begin(), ranks.end(), keys.begin());
    } else {
        for (std::size_t i = 0; i < entries_.size(); ++i)
            keys[i] = column == Created ? entries_[i].createdSeconds : entries_[i].size;
    }
    const auto less = [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> orderBefore = order_;
    if (order == Qt::AscendingOrder)
        std::stable_sort(order_.begin(), order_.end(), less);
    else
        std::stable_sort(order_.begin(), order_.end(), [&less](int a, int b) { return less(b, a); });
    for (std::size_t row = 0; row < order_.size(); ++row)
        rowOf_[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
    // The view's current entry and selection move with their entries.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int entry = orderBefore[static_cast<std::size_t>(index.row())];
        after.push_back(this->index(rowOf_[static_cast<std::size_t>(entry)], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns; }

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Entry& entry = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Folder:
            return entry.folder;
        case File:
            return entry.name;
        case Created:
            return entry.created;
        default:
            return entry.bytes;
        }
    case Qt::CheckStateRole:
        if (index.column() != Folder)
            return {};
        return int(order_[static_cast<std::size_t>(index.row())] == checked_ ? Qt::Checked : Qt::Unchecked);
    case Qt::TextAlignmentRole:
        return alignment(index.column());
    case KeyRole:
        return entry.key;
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns)
        return {};
    if (role == Qt::DisplayRole)
        return captions[section];
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Q_UNUSED(value);
    if (!index.isValid() || index.column() != Folder || role != Qt::CheckStateRole)
        return false;
    // Whatever the box would become, the list decides: the entry ends up
    // the one checked.
    emit CheckClicked(index.row());
    return true;
}

} // namespace tandem::panes
