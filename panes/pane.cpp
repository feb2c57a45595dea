#include "pane.h"

#include "file_list.h"
#include "pane_host.h"

#include "dirtree.h"
#include "dirtree_view.h"

#include "busy_pointer.h"
#include "file_system.h"
#include "paths.h"
#include "prompt.h"
#include "volumes.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include <vector>

namespace tandem::panes {

namespace {

const QString sessionPattern = QStringLiteral("*") + QStringLiteral(".sesx");

QString withSeparator(const QString& path)
{
    return QString::fromStdString(platform::AddTrailingBackslash(path.toStdString()));
}

// How the question names a drive: "D:" on Windows, the mount point elsewhere.
QString driveName(const QString& root)
{
    return root.size() > 1 && platform::IsPathSeparator(root.back().toLatin1()) ? root.left(root.size() - 1) : root;
}

} // namespace

Pane::Pane(int index, QWidget* container, PaneHost& host, const platform::Volumes& volumes, const ListFormats& formats)
    : QObject(container)
    , index_(index)
    , host_(host)
    , volumes_(volumes)
{
    const bool first = index == 1;
    FolderFrame = new QGroupBox(first ? QStringLiteral("Folder 1") : QStringLiteral("Folder 2"), container);
    FolderTree = new dirtree::Dirtree(volumes, FolderFrame);
    AutoRefreshCheck =
        new QCheckBox(first ? QStringLiteral("&Auto Refresh") : QStringLiteral("A&uto Refresh"), FolderFrame);
    ScanSubfoldersCheck =
        new QCheckBox(first ? QStringLiteral("Incl. S&ubfolders") : QStringLiteral("Incl. Su&bfolders"), FolderFrame);
    RefreshNowButton = new QPushButton(first ? QStringLiteral("&Refresh") : QStringLiteral("Re&fresh"), FolderFrame);
    FileFrame = new QGroupBox(first ? QStringLiteral("File 1") : QStringLiteral("File 2"), container);
    FileList = new panes::FileList(formats, FileFrame);
    FolderTree->setObjectName(QStringLiteral("FolderTree"));
    // The node a user opens stays selected, so that Refresh scans it.
    FolderTree->setSelectOnExpand(true);

    connect(FolderTree, &dirtree::Dirtree::NodeClick, this, &Pane::FolderSelection);
    connect(FolderTree, &dirtree::Dirtree::Expand, this, &Pane::expandedOrCollapsed);
    connect(FolderTree, &dirtree::Dirtree::Collapse, this, &Pane::expandedOrCollapsed);
    connect(RefreshNowButton, &QPushButton::clicked, this, [this] {
        ForceRefresh = true;
        SESFileRefresh();
    });
    connect(AutoRefreshCheck, &QCheckBox::toggled, this, &Pane::autoRefreshClicked);
    connect(ScanSubfoldersCheck, &QCheckBox::toggled, this, &Pane::scanSubfoldersClicked);
}

void Pane::clearList()
{
    FileList->ClearEntries();
    FileList->repaint();
    host_.SetConvertButton();
}

void Pane::expandedOrCollapsed(QTreeWidgetItem* node)
{
    FolderTree->setSelectedItem(node);
    clearList();
}

void Pane::autoRefreshClicked(bool checked)
{
    RefreshNowButton->setEnabled(!checked);
    if (checked) {
        ForceRefresh = true;
        SESFileRefresh();
    }
    FolderTree->TreeView1().setFocus();
}

void Pane::scanSubfoldersClicked()
{
    if (AutoRefreshCheck->isChecked()) {
        ForceRefresh = true;
        SESFileRefresh();
    }
}

void Pane::SESFileRefresh()
{
    if (QTreeWidgetItem* node = FolderTree->SelectedItem())
        FolderSelection(node);
    ForceRefresh = false;
    host_.SetConvertButton();
}

bool Pane::wholeDriveConfirmed(const QString& root)
{
    platform::Message question;
    question.icon = platform::Message::Icon::Question;
    question.buttons = platform::Message::Buttons::YesNo;
    question.defaultAnswer = platform::Message::Answer::Yes;
    question.title = host_.ApplicationTitle().toStdString();
    question.text = (QStringLiteral("The root folder of Drive ") + driveName(root) +
        QStringLiteral(" is selected and might take some time to scan.\r\n"
                       "Are you sure you wish to scan the entire Drive?"))
                        .toStdString();
    return platform::CurrentPrompt().Show(question) == platform::Message::Answer::Yes;
}

void Pane::FolderSelection(QTreeWidgetItem* node)
{
    if (!AutoRefreshCheck->isChecked() && !ForceRefresh) {
        clearList();
        return;
    }
    LastDir = dirtree::DirtreeNodes::Key(node);
    // A folder that is the root of a drive counts as the drive itself.
    const QString root = QString::fromStdString(volumes_.DriveRootOf(LastDir.toStdString()));
    if (ScanSubfoldersCheck->isChecked() && !root.isEmpty() && withSeparator(LastDir) == root &&
        !wholeDriveConfirmed(root)) {
        clearList();
        return;
    }
    scan();
}

void Pane::scan()
{
    FileList->SetKeptSorted(false);
    FileList->ClearEntries();
    FileList->repaint();
    {
        platform::BusyPointer busy;
        host_.SetScanning(true);
        FullDirFileList(*FileList, host_, LastDir, sessionPattern, ScanSubfoldersCheck->isChecked());
        host_.SetScanning(false);
        FolderTree->TreeView1().setFocus();
    }
    host_.SetConvertButton();
}

void Pane::GoToLastItem(const QString& folder)
{
    QString target = folder;
    if (!platform::FolderExists(target.toStdString()))
        target = host_.ProgramFolder();
    // The chain of keys from the folder up to its drive's root.
    const QString root = QString::fromStdString(volumes_.DriveRootOf(target.toStdString()));
    std::vector<QString> chain;
    for (QString path = target; !path.isEmpty();) {
        if (withSeparator(path) == root) {
            chain.push_back(root);
            break;
        }
        chain.push_back(path);
        const QString parent = QString::fromStdString(platform::FolderOfPath(path.toStdString()));
        if (parent == path)
            break;
        path = parent;
    }
    QTreeWidgetItem* last = nullptr;
    for (auto key = chain.rbegin(); key != chain.rend(); ++key) {
        if (QTreeWidgetItem* node = FolderTree->Nodes().Item(*key)) {
            node->setExpanded(true);
            last = node;
        }
    }
    if (last) {
        FolderTree->TreeView1().scrollToItem(last);
        FolderTree->setSelectedItem(last);
    }
}

} // namespace tandem::panes
