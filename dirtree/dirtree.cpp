#include "dirtree.h"

#include "dirtree_view.h"
#include "folder_pictures.h"
#include "twips.h"

#include "busy_pointer.h"
#include "drive_types.h"
#include "paths.h"
#include "prompt.h"
#include "volumes.h"

#include <QApplication>
#include <QCursor>
#include <QResizeEvent>
#include <QSignalBlocker>

#include <cmath>
#include <vector>

namespace tandem::dirtree {

namespace {

namespace types = platform::DriveTypes;

const QChar separator = QLatin1Char(platform::PathSeparator);
constexpr int directoryAttribute = 16;
constexpr double defaultIndentation = 250.0158;

bool isRemovableOrCd(int type) { return type == types::Removable || type == types::CdRom; }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

Qt::CursorShape cursorShape(int pointer)
{
    switch (pointer) {
    case 1:
        return Qt::ArrowCursor;
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

const QString Dirtree::Placeholder = QStringLiteral("~CustomTree~");

Dirtree::Dirtree(QWidget* parent)
    : Dirtree(platform::SystemVolumes(), parent)
{
}

Dirtree::Dirtree(const platform::Volumes& volumes, QWidget* parent, Start start)
    : QWidget(parent)
    , volumes_(volumes)
    , treeView_(new DirtreeView(this))
    , picList_(treeView_->style())
    , nodes_(*treeView_, picList_)
    , indentation_(defaultIndentation)
{
    setObjectName(QStringLiteral("Dirtree"));
    applyFrame();
    setIndentation(defaultIndentation);
    connect(treeView_, &QTreeWidget::itemExpanded, this, &Dirtree::onExpanded);
    connect(treeView_, &QTreeWidget::itemCollapsed, this, &Dirtree::onCollapsed);
    connect(treeView_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { onClicked(node); });
    connect(treeView_, &DirtreeView::click, this, &Dirtree::Click);
    connect(treeView_, &DirtreeView::doubleClick, this, &Dirtree::DblClick);
    keyPause_.setSingleShot(true);
    keyPause_.setInterval(KeyPauseMilliseconds);
    connect(treeView_, &DirtreeView::keySelected, this, [this] { keyPause_.start(); });
    connect(&keyPause_, &QTimer::timeout, this, [this] {
        // A tree its host has disabled meanwhile (for a scan) takes no click.
        QTreeWidgetItem* node = SelectedItem();
        if (node && treeView_->isEnabled())
            onClicked(node);
    });
    connect(treeView_, &DirtreeView::keyChosen, this, [this](QTreeWidgetItem* node) { onClicked(node); });
    const auto twips = [this](auto signal) {
        return [this, signal](int button, int shift, QPointF at) {
            emit(this->*signal)(
                button, shift, TwipsFromPixels(at.x(), *treeView_), TwipsFromPixels(at.y(), *treeView_, true));
        };
    };
    connect(treeView_, &DirtreeView::mouseDown, this, twips(&Dirtree::MouseDown));
    connect(treeView_, &DirtreeView::mouseMove, this, twips(&Dirtree::MouseMove));
    connect(treeView_, &DirtreeView::mouseUp, this, twips(&Dirtree::MouseUp));

    path_ = fromStd(volumes_.CurrentDirectory());
    applyPresentation();
    if (start == Start::CurrentDrive) {
        driveLetters_ = currentDriveLetter();
        FreshenTree();
    }
}

QString Dirtree::currentDriveLetter() const
{
    const char letter = volumes_.CurrentDriveLetter();
    return letter ? QString(QLatin1Char(letter)).toUpper() : QString();
}

void Dirtree::resizeEvent(QResizeEvent* event)
{
    treeView_->setGeometry(0, 0, event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

// ---- Building the tree ----

void Dirtree::applyPresentation()
{
    treeView_->setRootIsDecorated(!listDrivesOnly_);
    treeView_->setItemsExpandable(!listDrivesOnly_);
}

void Dirtree::FreshenTree()
{
    applyPresentation();
    nodes_.Clear();
    dropHighlight_ = nullptr;
    cachedSorted_ = Sorted();
    QString seen;
    for (const QChar letter : driveLetters_) {
        // A letter given twice shows its drive once.
        if (seen.contains(letter.toUpper()))
            continue;
        seen += letter.toUpper();
        QString root = fromStd(volumes_.RootOfLetter(letter.toUpper().toLatin1()));
        const int type = volumes_.DriveType(root.toStdString());
        if (isRemovableOrCd(type)) {
            // Removable media are not read until the user opens them.
            QTreeWidgetItem* node = nodes_.Add(nullptr, root, root);
            if (!node)
                continue;
            nodes_.SetPicture(node, DrivePicture(type));
            if (!listDrivesOnly_)
                addPlaceholder(node, root + Placeholder);
        } else {
            FillDirTree(root, QStringLiteral("*.*"), directoryAttribute, cachedSorted_);
        }
    }
}

void Dirtree::addPlaceholder(QTreeWidgetItem* node, const QString& key)
{
    if (QTreeWidgetItem* placeholder = nodes_.Add(node, key, Placeholder))
        DirtreeNodes::SetChildrenSorted(placeholder, cachedSorted_);
}

// Finds or creates the node keyed `driverootdir` and lists its folders as
// its children. The pattern and attribute mask are those of the Windows
// folder search ("*.*" and the directory bit); the listing itself gives
// every entry with its attributes.
void Dirtree::FillDirTree(QString& driverootdir, const QString& pattern, int attribs, bool issorted)
{
    Q_UNUSED(pattern);
    platform::BusyPointer busy;
    const QString key = driverootdir;
    if (!driverootdir.endsWith(separator))
        driverootdir += separator;
    const std::string folder = driverootdir.toStdString();
    const int type = volumes_.DriveType(folder);
    const QString label =
        type == types::Fixed || type == types::RamDisk ? fromStd(volumes_.VolumeLabel(folder)) : QString();

    QTreeWidgetItem* node = nodes_.Add(nullptr, key, key + QStringLiteral(" [") + label + QStringLiteral("]"));
    if (!node)
        node = nodes_.Item(key);
    DirtreeNodes::SetChildrenSorted(node, cachedSorted_);
    nodes_.SetPicture(node, DrivePicture(type));
    if (listDrivesOnly_)
        return;

    const bool directoriesOnly = (attribs & directoryAttribute) != 0;
    const auto wanted = [directoriesOnly](const platform::FolderEntry& entry) {
        return (entry.directory || !directoriesOnly) && !entry.name.empty() && entry.name[0] != '.';
    };
    volumes_.ListFolder(folder, [&](const platform::FolderEntry& entry) {
        if (!wanted(entry) || entry.hidden)
            return true;
        const QString name = fromStd(entry.name);
        QTreeWidgetItem* child = nodes_.Add(node, driverootdir + name, name);
        if (!child)
            return true;
        DirtreeNodes::SetChildrenSorted(child, issorted);
        const NewFolderLook look = NewFolderPicture(name);
        nodes_.SetPicture(child, look.picture);
        DirtreeNodes::SetTag(child, look.tag);
        // The folder gets an expand button only when it has a subfolder;
        // hidden ones count, although they are never listed.
        bool hasSubfolder = false;
        volumes_.ListFolder(folder + entry.name, [&](const platform::FolderEntry& inner) {
            hasSubfolder = wanted(inner);
            return !hasSubfolder;
        });
        if (hasSubfolder)
            addPlaceholder(child, DirtreeNodes::Key(child) + separator + Placeholder);
        return true;
    });
}

int Dirtree::driveTypeOf(const QTreeWidgetItem* node) const
{
    return volumes_.DriveType(DirtreeNodes::FullPath(node).toStdString());
}

void Dirtree::removeChildren(QTreeWidgetItem* node, const QString& keyPrefix)
{
    while (node->childCount() > 0) {
        QTreeWidgetItem* child = node->child(0);
        if (!nodes_.Remove(keyPrefix + child->text(0)))
            nodes_.Remove(child);
    }
}

// ---- Reactions to the tree view ----

void Dirtree::onExpanded(QTreeWidgetItem* node)
{
    emit Expand(node);
    QString key = DirtreeNodes::Key(node);
    const int type = driveTypeOf(node);
    if (isRemovableOrCd(type) && !node->parent()) {
        nodes_.Remove(key + Placeholder);
        FillDirTree(key, QStringLiteral("*.*"), directoryAttribute, cachedSorted_);
    } else if (node->parent()) {
        nodes_.Remove(key + separator + Placeholder);
        FillDirTree(key, QStringLiteral("*.*"), directoryAttribute, cachedSorted_);
        nodes_.SetPicture(node, FolderPicture(DirtreeNodes::Key(node), DirtreeNodes::Tag(node), true));
    }
    if (selectOnExpand_)
        treeView_->setCurrentItem(node);
    else
        node->setSelected(false);
}

void Dirtree::onCollapsed(QTreeWidgetItem* node)
{
    emit Collapse(node);
    platform::BusyPointer busy;
    const QString key = DirtreeNodes::Key(node);
    const int type = driveTypeOf(node);
    if (isRemovableOrCd(type) && !node->parent()) {
        removeChildren(node, key);
        addPlaceholder(node, key + Placeholder);
    } else if (node->parent()) {
        // Unloaded again: the next expansion reads the disk afresh.
        removeChildren(node, key + separator);
        nodes_.SetPicture(node, FolderPicture(key, DirtreeNodes::Tag(node), false));
        addPlaceholder(node, key + separator + Placeholder);
    }
}

void Dirtree::onClicked(QTreeWidgetItem* node)
{
    keyPause_.stop();
    const QString key = DirtreeNodes::Key(node);
    path_ = key.endsWith(separator) ? key : key + separator;
    // A removable drive whose last reading found no folders gets its
    // placeholder back, so that it can be opened again once a disc is in.
    if (isRemovableOrCd(driveTypeOf(node)) && !node->parent() && node->childCount() == 0) {
        if (QTreeWidgetItem* placeholder = nodes_.Add(node, key + Placeholder, Placeholder)) {
            DirtreeNodes::SetChildrenSorted(placeholder, cachedSorted_);
            const QSignalBlocker quiet(treeView_);
            node->setExpanded(false);
        }
    }
    emit NodeClick(node);
}

// ---- Properties ----

QString Dirtree::DriveLetters()
{
    FreshenTree();
    return driveLetters_.toUpper();
}

void Dirtree::setDriveLetters(const QString& letters)
{
    driveLetters_ = letters.toUpper();
    const QString present = fromStd(volumes_.PresentLetters()).toUpper();
    for (const QChar letter : driveLetters_) {
        if (!present.contains(letter)) {
            platform::Message message;
            message.icon = platform::Message::Icon::Critical;
            message.title = "Error";
            message.text = "Invalid Drive Specification - Cannot Find Drive " + QString(letter).toStdString();
            platform::CurrentPrompt().Show(message);
            driveLetters_ = currentDriveLetter();
            break;
        }
    }
    emit PropertyChanged(QStringLiteral("DriveLetters"));
    FreshenTree();
}

bool Dirtree::Sorted() const { return nodes_.TopLevelSorted(); }

void Dirtree::setSorted(bool sorted)
{
    nodes_.SetTopLevelSorted(sorted);
    emit PropertyChanged(QStringLiteral("Sorted"));
}

void Dirtree::setDropHighlight(QTreeWidgetItem* node)
{
    if (dropHighlight_)
        dropHighlight_->setBackground(0, QBrush());
    dropHighlight_ = node;
    if (node)
        node->setBackground(0, treeView_->palette().highlight());
    emit PropertyChanged(QStringLiteral("DropHighlight"));
}

bool Dirtree::Enabled() const { return treeView_->isEnabled(); }

void Dirtree::setEnabledTree(bool enabled)
{
    treeView_->setEnabled(enabled);
    emit PropertyChanged(QStringLiteral("Enabled"));
}

QFont Dirtree::Font() const { return treeView_->font(); }

void Dirtree::setTreeFont(const QFont& font)
{
    treeView_->setFont(font);
    emit PropertyChanged(QStringLiteral("Font"));
}

void Dirtree::setHideSelection(bool hide)
{
    hideSelection_ = hide;
    QPalette palette = treeView_->palette();
    const QPalette::ColorGroup active = QPalette::Active;
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
        hide ? palette.color(active, QPalette::Base) : palette.color(active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
        hide ? palette.color(active, QPalette::Text) : palette.color(active, QPalette::HighlightedText));
    treeView_->setPalette(palette);
    emit PropertyChanged(QStringLiteral("HideSelection"));
}

QTreeWidgetItem* Dirtree::HitTest(double x, double y) const
{
    const QPoint at(static_cast<int>(std::floor(PixelsFromTwips(x, *treeView_))),
        static_cast<int>(std::floor(PixelsFromTwips(y, *treeView_, true))));
    return treeView_->itemAt(at);
}

void Dirtree::setIndentation(double twips)
{
    indentation_ = twips;
    treeView_->setIndentation(static_cast<int>(std::lround(PixelsFromTwips(twips, *treeView_))));
    emit PropertyChanged(QStringLiteral("Indentation"));
}

void Dirtree::applyCursor()
{
    if (mousePointer_ == 0)
        treeView_->viewport()->unsetCursor();
    else if (mousePointer_ == 99 && !mouseIcon_.isNull())
        treeView_->viewport()->setCursor(QCursor(mouseIcon_.pixmap(32, 32)));
    else
        treeView_->viewport()->setCursor(cursorShape(mousePointer_));
}

void Dirtree::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    applyCursor();
    emit PropertyChanged(QStringLiteral("MousePointer"));
}

void Dirtree::setMouseIcon(const QIcon& icon)
{
    mouseIcon_ = icon;
    applyCursor();
    emit PropertyChanged(QStringLiteral("MouseIcon"));
}

QTreeWidgetItem* Dirtree::SelectedItem() const
{
    QTreeWidgetItem* current = treeView_->currentItem();
    return current && current->isSelected() ? current : nullptr;
}

void Dirtree::setSelectedItem(QTreeWidgetItem* node)
{
    if (node) {
        // The tree opens the node's parents to show it; they are opened
        // first, so that their expansion (and SelectOnExpand) comes before
        // the selection the host asked for rather than after it.
        std::vector<QTreeWidgetItem*> parents;
        for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
            parents.insert(parents.begin(), up);
        for (QTreeWidgetItem* parent : parents)
            parent->setExpanded(true);
        treeView_->setCurrentItem(node);
    } else
        treeView_->clearSelection();
    emit PropertyChanged(QStringLiteral("SelectedItem"));
}

QString Dirtree::ToolTipText() const { return treeView_->toolTip(); }

void Dirtree::setToolTipText(const QString& text)
{
    treeView_->setToolTip(text);
    emit PropertyChanged(QStringLiteral("ToolTipText"));
}

void Dirtree::ShowAboutBox() { QApplication::processEvents(); }

int Dirtree::SetPath(const QString& path)
{
    if (designMode_)
        return PathSetAtDesignTime;
    path_ = path;
    emit PropertyChanged(QStringLiteral("Path"));
    return 0;
}

void Dirtree::setListDrivesOnly(bool drivesOnly)
{
    listDrivesOnly_ = drivesOnly;
    emit PropertyChanged(QStringLiteral("ListDrivesOnly"));
}

void Dirtree::setSelectOnExpand(bool select)
{
    selectOnExpand_ = select;
    emit PropertyChanged(QStringLiteral("SelectOnExpand"));
}

void Dirtree::PlaceFirstTime()
{
    driveLetters_ = currentDriveLetter();
    FreshenTree();
    path_ = fromStd(volumes_.CurrentDirectory());
    selectOnExpand_ = false;
}

} // namespace tandem::dirtree
