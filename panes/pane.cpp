#include "pane.h"

#include "file_list.h"
#include "folder_completer.h"
#include "pane_host.h"

#include "dirtree.h"
#include "dirtree_view.h"

#include "busy_pointer.h"
#include "file_system.h"
#include "paths.h"
#include "prompt.h"
#include "volumes.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
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

void cannotAccess(const QString& path)
{
    platform::Message message;
    message.icon = platform::Message::Icon::Critical;
    message.title = "Error";
    message.text = (QStringLiteral("Cannot access the selected item ") + path).toStdString();
    platform::CurrentPrompt().Show(message);
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
    PathBox = new QLineEdit(FolderFrame);
    PathBox->setObjectName(QStringLiteral("PathBox"));
    // A file or folder dropped on it opens, as on the rest of the pane,
    // rather than landing in it as text.
    PathBox->setAcceptDrops(false);
    new FolderCompleter(PathBox);
    // The window shows before its trees read the disk; start-up gives them
    // their drives.
    FolderTree = new dirtree::Dirtree(volumes, FolderFrame, dirtree::Dirtree::Start::Empty);
    // Pane 2's letters differ from pane 1's and from the menus'.
    AutoRefreshCheck =
        new QCheckBox(first ? QStringLiteral("&Auto Refresh") : QStringLiteral("Au&to Refresh"), FolderFrame);
    ScanSubfoldersCheck =
        new QCheckBox(first ? QStringLiteral("Incl. S&ubfolders") : QStringLiteral("Incl. Su&bfolders"), FolderFrame);
    RefreshNowButton = new QPushButton(first ? QStringLiteral("&Refresh") : QStringLiteral("R&efresh"), FolderFrame);
    FileFrame = new QGroupBox(first ? QStringLiteral("File 1") : QStringLiteral("File 2"), container);
    FileList = new panes::FileList(formats, FileFrame);
    FolderTree->setObjectName(QStringLiteral("FolderTree"));
    // The node a user opens stays selected, so that Refresh scans it.
    FolderTree->setSelectOnExpand(true);
    nameForScreenReaders();

    connect(FolderTree, &dirtree::Dirtree::NodeClick, this, &Pane::FolderSelection);
    connect(FolderTree, &dirtree::Dirtree::Expand, this, &Pane::expandedOrCollapsed);
    connect(FolderTree, &dirtree::Dirtree::Collapse, this, &Pane::expandedOrCollapsed);
    connect(RefreshNowButton, &QPushButton::clicked, this, [this] {
        ForceRefresh = true;
        SESFileRefresh();
    });
    connect(AutoRefreshCheck, &QCheckBox::toggled, this, &Pane::autoRefreshClicked);
    connect(ScanSubfoldersCheck, &QCheckBox::toggled, this, &Pane::scanSubfoldersClicked);
    connect(PathBox, &QLineEdit::returnPressed, this, [this] { OpenFolder(PathBox->text().trimmed()); });
}

void Pane::nameForScreenReaders()
{
    const QString folder = QStringLiteral("Folder %1").arg(index_);
    const QString file = QStringLiteral("File %1").arg(index_);
    const auto name = [](QWidget* control, const QString& accessibleName, const QString& description) {
        control->setAccessibleName(accessibleName);
        control->setAccessibleDescription(description);
    };
    name(FolderFrame, folder, QStringLiteral("Where the sessions of %1 are looked for").arg(file));
    name(
        PathBox, folder + QStringLiteral(" path"), QStringLiteral("Type or paste a folder and press Enter to open it"));
    // The control and the view inside it, which has the focus, say the same.
    for (QWidget* tree : { static_cast<QWidget*>(FolderTree), static_cast<QWidget*>(&FolderTree->TreeView1()) })
        name(tree, folder + QStringLiteral(" tree"),
            QStringLiteral("Drives and folders; choosing one lists its sessions in the %1 list").arg(file));
    name(AutoRefreshCheck, folder + QStringLiteral(" Auto Refresh"),
        QStringLiteral("Lists a folder's sessions as soon as it is chosen"));
    name(ScanSubfoldersCheck, folder + QStringLiteral(" Incl. Subfolders"),
        QStringLiteral("Lists the sessions of the folders below the chosen one too"));
    name(RefreshNowButton, folder + QStringLiteral(" Refresh"), QStringLiteral("Lists the chosen folder's sessions"));
    name(FileFrame, file, QStringLiteral("The sessions found in %1").arg(folder.toLower()));
    name(FileList, file + QStringLiteral(" list"),
        QStringLiteral("Session files; the ticked one is %1 of the combination").arg(file));
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

void Pane::FolderSelection(QTreeWidgetItem* node) { selectFolder(dirtree::DirtreeNodes::Key(node)); }

void Pane::selectFolder(const QString& key)
{
    if (!AutoRefreshCheck->isChecked() && !ForceRefresh) {
        clearList();
        return;
    }
    LastDir = key;
    PathBox->setText(LastDir);
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
    ScanOutcome outcome;
    {
        platform::BusyPointer busy;
        host_.SetScanning(true);
        outcome = FullDirFileList(*FileList, host_, LastDir, sessionPattern, ScanSubfoldersCheck->isChecked());
        host_.SetScanning(false);
        FolderTree->TreeView1().setFocus();
    }
    // A scan the user stopped needs no news of what it did not read.
    if (!outcome.cancelled)
        ReportUnreadable(outcome.unreadable);
    host_.SetConvertButton();
}

QString Pane::keyOfFolder(const QString& folder) const
{
    QString key = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString root = QString::fromStdString(volumes_.DriveRootOf(key.toStdString()));
    return withSeparator(key) == root ? root : key;
}

bool Pane::OpenFolder(const QString& folder)
{
    if (!platform::FolderExists(folder.toStdString())) {
        cannotAccess(folder);
        return false;
    }
    const QString key = keyOfFolder(folder);
    GoToLastItem(key);
    // The folder itself is read even where the tree cannot show it (inside
    // a hidden folder, say).
    ForceRefresh = true;
    selectFolder(key);
    ForceRefresh = false;
    return true;
}

void Pane::OpenSession(const QString& path)
{
    const QFileInfo file(path);
    if (!OpenFolder(file.absolutePath()))
        return;
    const QString key = QString::fromStdString(platform::AddTrailingBackslash(LastDir.toStdString())) + file.fileName();
    const QModelIndex entry = FileList->Entry(key);
    if (!entry.isValid()) {
        cannotAccess(QDir::toNativeSeparators(file.absoluteFilePath()));
        return;
    }
    FileList->CheckFile(entry);
    FileList->scrollTo(entry);
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
        PathBox->setText(dirtree::DirtreeNodes::Key(last));
    }
}

} // namespace tandem::panes
