#pragma once

#include <QDateTime>
#include <QHash>
#include <QTreeWidget>

namespace tandem::panes {

class ListFormats;

// One pane's list of session files: a report with the columns "Folder",
// "File", "Created" and "Bytes" and a check box on every entry. An entry's
// key is the file's full path. Once the user has checked an entry, exactly
// one entry stays checked until the list is cleared.
class FileList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { Folder = 0, File = 1, Created = 2, Bytes = 3 };
    static constexpr double InitialColumnWidth = 2540; // twips

    explicit FileList(const ListFormats& formats, QWidget* parent = nullptr);

    // Adds an unchecked, unselected entry; nullptr when an entry with the key
    // is there already.
    QTreeWidgetItem* AddEntry(
        const QString& key, const QString& folder, const QString& name, const QDateTime& created, qint64 size);
    QTreeWidgetItem* Entry(const QString& key) const { return byKey_.value(key, nullptr); }
    static QString Key(const QTreeWidgetItem* entry);
    int Count() const { return topLevelItemCount(); }
    QTreeWidgetItem* At(int position) const { return topLevelItem(position); }
    void ClearEntries();

    // Makes `entry` the only checked entry and the selected one.
    void CheckFile(QTreeWidgetItem* entry);
    int CheckCountNum() const;
    // The folder (with its trailing separator) of the first checked entry,
    // or empty when none is checked.
    QString GetSelectedFilePath() const;
    // The key (the full path) of the first checked entry, or empty.
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
    void entryChosen(QTreeWidgetItem* entry);
    QTreeWidgetItem* firstChecked() const;

    const ListFormats& formats_;
    QHash<QString, QTreeWidgetItem*> byKey_;
    int sortColumn_ = Folder;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    bool keptSorted_ = false;
    bool checking_ = false;
};

} // namespace tandem::panes
