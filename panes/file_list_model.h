#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

#include <vector>

namespace tandem::panes {

class ListFormats;

// The entries of one file list, in the order shown, with what sorts them
// kept beside the texts: the creation time and the size as numbers. Every
// entry's key is the file's full path; at most one entry is checked.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Folder = 0, File = 1, Created = 2, Bytes = 3 };
    static constexpr int KeyRole = Qt::UserRole + 1;

    explicit FileListModel(const ListFormats& formats, QObject* parent = nullptr);

    // Appends an unchecked entry; false when an entry with the key is there
    // already.
    bool Add(const QString& key, const QString& folder, const QString& name, qint64 createdSeconds, qint64 size);
    void Clear();
    // The row of the entry with the key, or -1.
    int RowOfKey(const QString& key) const;
    // The checked entry's row, or -1.
    int CheckedRow() const { return checked_ < 0 ? -1 : rowOf_[checked_]; }
    // Makes the entry at `row` the only checked one.
    void CheckOnly(int row);

    // Folder and File by their texts without regard to case, Created by
    // time, Bytes by number; entries that compare equal keep their order.
    // Checks, the current entry and the selection go along.
    void Sort(int column, Qt::SortOrder order);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The user clicked the check box of the entry at `row`.
    void CheckClicked(int row);

private:
    struct Entry {
        QString key;
        QString folder;
        QString name;
        QString created;
        QString bytes;
        qint64 createdSeconds;
        qint64 size;
    };

    const Entry& at(int row) const { return entries_[static_cast<std::size_t>(order_[static_cast<std::size_t>(row)])]; }

    const ListFormats& formats_;
    // In the order added; order_ gives the entry shown on each row and
    // rowOf_ the row of each entry.
    std::vector<Entry> entries_;
    std::vector<int> order_;
    std::vector<int> rowOf_;
    // Each key's entry, counted from 1.
    QHash<QString, int> byKey_;
    int checked_ = -1;
};

} // namespace tandem::panes
