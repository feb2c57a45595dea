#pragma once

#include "file_list_model.h"

#include <QTreeView>

namespace tandem::panes {

class ListFormats;

// One pane's list of session files: a report with the columns "Folder",
// "File", "Created" and "Bytes" and a check box on every entry. An entry is
// the index of its row's first column; its key is the file's full path.
// Once the user has checked an entry, exactly one entry stays checked until
// the list is cleared.
class FileList : public QTreeView {
    Q_OBJECT
public:
    enum Column { Folder = FileListModel::Folder, File, Created, Bytes };
    static constexpr double InitialColumnWidth = 2540; // twips

    explicit FileList(const ListFormats& formats, QWidget* parent = nullptr);

    // Adds an unchecked, unselected entry at the end, and so ends keeping
    // the list sorted; false when an entry with the key is there already.
    bool AddEntry(const QString& key, const QString& folder, const QString& name, qint64 createdSeconds, qint64 size);
    // The entry with the key; invalid when there is none.
    QModelIndex Entry(const QString& key) const;
    static QString Key(const QModelIndex& entry);
    int Count() const { return model_->rowCount(); }
    QModelIndex At(int position) const { return model_->index(position, Folder); }
    void ClearEntries();

    // Makes `entry` the only checked entry and the selected one.
    void CheckFile(const QModelIndex& entry);
    int CheckCountNum() const { return model_->CheckedRow() < 0 ? 0 : 1; }
    // The folder (with its trailing separator) of the checked entry, or
    // empty when none is checked.
    QString GetSelectedFilePath() const;
    // The key (the full path) of the checked entry, or empty.
    QString CheckedKey() const;

    // A click on a column header: the same column again reverses the order,
    // another column keeps it. Folder and File sort as text without regard
    // to case, Created by time, Bytes by number; the texts stay as they are.
    void SortByColumn(int column);
    int SortColumn() const { return sortColumn_; }
    Qt::SortOrder SortOrder() const { return sortOrder_; }
    // Scans switch keeping the list sorted off, and the header's arrow with
    // it, so that it never claims an order the rows are not in.
    void SetKeptSorted(bool kept);
    bool KeptSorted() const { return keptSorted_; }

    // Column widths in twips; columns are found by their keys, the captions.
    int ColumnOfKey(const QString& key) const;
    double ColumnWidthTwips(int column) const;
    void SetColumnWidthTwips(int column, double twips);

signals:
    // The checks changed (or may have): the Combine button follows them.
    void ChecksChanged();
    void MouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void entryChosen(const QModelIndex& entry);
    QModelIndex checkedEntry() const;

    FileListModel* model_;
    int sortColumn_ = Folder;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool keptSorted_ = false;
    bool checking_ = false;
};

} // namespace tandem::panes
