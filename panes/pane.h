#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;
class QWidget;

namespace tandem::platform {
class Volumes;
}

namespace tandem::dirtree {
class Dirtree;
}

namespace tandem::panes {

class FileList;
class ListFormats;
class PaneHost;

// One of the window's two panes: a folder tree with its refresh controls,
// and the list of the session files found in the chosen folder. The pane
// decides when its list is scanned again, for which folder, and with or
// without subfolders.
class Pane : public QObject {
    Q_OBJECT
public:
    // `index` is the pane's number, 1 or 2; the controls are created in
    // `container`, which lays them out.
    Pane(int index, QWidget* container, PaneHost& host, const platform::Volumes& volumes, const ListFormats& formats);

    int Index() const { return index_; }

    QGroupBox* FolderFrame;
    // The pane's folder as a path that can be typed or pasted; Enter opens it.
    QLineEdit* PathBox;
    dirtree::Dirtree* FolderTree;
    QCheckBox* AutoRefreshCheck;
    QCheckBox* ScanSubfoldersCheck;
    QPushButton* RefreshNowButton;
    QGroupBox* FileFrame;
    panes::FileList* FileList;

    // The pane's current folder, in the form of the tree's node keys.
    QString LastDir;
    // Makes the next folder selection scan even with Auto Refresh off.
    bool ForceRefresh = false;

    // Scans the folder selected in the tree when Auto Refresh is on or a
    // refresh is forced.
    void SESFileRefresh();
    // Opens the tree down to `folder` (or to the program's folder when it
    // is gone) and selects it, without scanning.
    void GoToLastItem(const QString& folder);
    // What a click on a tree node does.
    void FolderSelection(QTreeWidgetItem* node);
    // Shows `folder` in the tree and lists its sessions, whatever Auto
    // Refresh says: the user asked for this very folder. False (and
    // reported) when it is not there.
    bool OpenFolder(const QString& folder);
    // Opens the folder of the session file `path` and ticks it; reports a
    // file that is not there or not listed.
    void OpenSession(const QString& path);

private:
    void expandedOrCollapsed(QTreeWidgetItem* node);
    void autoRefreshClicked(bool checked);
    void scanSubfoldersClicked();
    void nameForScreenReaders();
    void clearList();
    void selectFolder(const QString& key);
    bool wholeDriveConfirmed(const QString& root);
    void scan();
    QString keyOfFolder(const QString& folder) const;

    int index_;
    PaneHost& host_;
    const platform::Volumes& volumes_;
};

} // namespace tandem::panes
