#pragma once

#include "dirtree_nodes.h"
#include "pic_list.h"

#include <QFont>
#include <QIcon>
#include <QString>
#include <QTimer>
#include <QWidget>

class QTreeWidgetItem;

namespace tandem::platform {
class Volumes;
}

namespace tandem::dirtree {

class DirtreeView;
class PropertyBag;

// Tandem.Dirtree: drives and their folders as a tree. Every drive gets a
// node; folders are read one level at a time when a node is expanded and
// forgotten again when it is collapsed, so the tree always shows the disk as
// it is now.
//
// Node keys: a drive's key is its root with the trailing separator (D:\ or
// "/media/usb/"), a folder's key its full path without one (D:\Audio). A
// node that has not been read holds one placeholder child, "~CustomTree~".
class Dirtree : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString DriveLetters READ DriveLetters WRITE setDriveLetters)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledTree)
    Q_PROPERTY(QFont Font READ Font WRITE setTreeFont)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE setHideSelection)
    Q_PROPERTY(double Indentation READ Indentation WRITE setIndentation)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(QString Path READ Path WRITE setPathProperty)
    Q_PROPERTY(QIcon MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(bool ListDrivesOnly READ ListDrivesOnly WRITE setListDrivesOnly)
    Q_PROPERTY(bool SelectOnExpand READ SelectOnExpand WRITE setSelectOnExpand)

public:
    // Error number of writing Path while the host is being designed.
    static constexpr int PathSetAtDesignTime = 382;
    static const QString Placeholder;
    static constexpr int KeyPauseMilliseconds = 400;

    // How a tree starts: showing its current drive, as the control always
    // has, or empty until its drives are given, for a window that shows
    // itself before it reads the disk.
    enum class Start { CurrentDrive, Empty };

    // `volumes` supplies the drives and folders (the system's by default);
    // it must outlive the control.
    explicit Dirtree(QWidget* parent = nullptr);
    Dirtree(const platform::Volumes& volumes, QWidget* parent = nullptr, Start start = Start::CurrentDrive);

    // "Sets the Drives to be included in the Tree Structure.  Enter as a
    // contiguous string of drive letters e.g. CDE"
    // Reading returns the letters upper-cased and rebuilds the tree.
    QString DriveLetters();
    // Upper-cases, checks every letter against the present drives (one bad
    // letter falls back to the current drive alone) and rebuilds the tree.
    void setDriveLetters(const QString& letters);

    // "Indicates whether the elements of a control are automatically sorted
    // alphabetically." Orders the top-level nodes at once; folders read
    // later follow it from the next rebuild on.
    bool Sorted() const;
    void setSorted(bool sorted);

    // "Returns a reference to a Node or ListItem object and highlights the
    // object with the system highlight color."
    QTreeWidgetItem* DropHighlight() const { return dropHighlight_; }
    void setDropHighlight(QTreeWidgetItem* node);

    // "Returns/sets a value that determines whether an object can respond to
    // user-generated events."
    bool Enabled() const;
    void setEnabledTree(bool enabled);

    // "Returns a Font object."
    QFont Font() const;
    void setTreeFont(const QFont& font);

    // "Determines whether the selected item will display as selected when the
    // TreeView loses focus"
    bool HideSelection() const { return hideSelection_; }
    void setHideSelection(bool hide);

    // "Returns a reference to the ListItem object or Node object located at
    // the coordinates of x and y. Used with drag and drop operations."
    // Coordinates in twips within the tree; none below the last node.
    QTreeWidgetItem* HitTest(double x, double y) const;

    // "Returns/sets the width of the indentation for a TreeView control." In
    // twips.
    double Indentation() const { return indentation_; }
    void setIndentation(double twips);

    // "Returns/sets the type of mouse pointer displayed when over part of an
    // object." 0 is the default pointer, 99 the custom MouseIcon.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    // "Returns/sets a value which determines if a ListItem or Node object is
    // selected."
    QTreeWidgetItem* SelectedItem() const;
    void setSelectedItem(QTreeWidgetItem* node);

    // "Returns/sets the text displayed when the mouse is paused over the
    // control."
    QString ToolTipText() const;
    void setToolTipText(const QString& text);

    // Lets pending window messages be processed; shows nothing.
    void ShowAboutBox();

    // "Returns/sets the full path of the selected directory"
    // The folder of the node last clicked, ending in a separator. Writing
    // stores the value as written and changes nothing in the tree; while the
    // host is being designed it fails with 382 and changes nothing.
    QString Path() const { return path_; }
    int SetPath(const QString& path);
    void setPathProperty(const QString& path) { SetPath(path); }

    // Picture used when MousePointer selects a custom pointer.
    QIcon MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QIcon& icon);

    // The nodes: find them by key, expand them, read their keys, texts and
    // tags.
    DirtreeNodes& Nodes() { return nodes_; }

    // Drives only, no folders. Takes effect at the next rebuild.
    bool ListDrivesOnly() const { return listDrivesOnly_; }
    void setListDrivesOnly(bool drivesOnly);

    // "True/False to Automatically Select Items which are Expanded."
    bool SelectOnExpand() const { return selectOnExpand_; }
    void setSelectOnExpand(bool select);

    // Stores the control's values under their names, leaving out defaults.
    void WriteProperties(PropertyBag& bag) const;
    // Restores them in the order the control needs (see the definition).
    void ReadProperties(const PropertyBag& bag);

    // While the host is being designed Path cannot be written.
    void SetDesignMode(bool designMode) { designMode_ = designMode; }
    // A new instance placed in a window being designed starts at the current
    // drive and folder.
    void PlaceFirstTime();

    // The inner tree view, TreeView1.
    DirtreeView& TreeView1() { return *treeView_; }
    const PicList& Pictures() const { return picList_; }

signals:
    // "Occurs when a Node object is clicked." After Path is set. A node
    // chosen with the keys counts as clicked once the keys have rested for
    // KeyPauseMilliseconds (so that a held arrow key does not click every
    // node it passes), or at once on Enter.
    void NodeClick(QTreeWidgetItem* node);
    // "Occurs when the user presses and then releases a mouse button over an
    // object."
    void Click();
    // "Generated when any Node object in a TreeView control is collapsed."
    // Before the control unloads the node.
    void Collapse(QTreeWidgetItem* node);
    // "Occurs when you press and release a mouse button and then press and
    // release it again over an object."
    void DblClick();
    // "Occurs when a Node object in a TreeView control is expanded; that is,
    // when its child nodes become visible." Before the control loads it.
    void Expand(QTreeWidgetItem* node);
    // "Occurs when the user presses the mouse button while an object has the
    // focus." After the node under the pointer has been selected. Button:
    // left 1, right 2, middle 4; Shift: Shift 1, Ctrl 2, Alt 4; x, Y in twips.
    void MouseDown(int button, int shift, double x, double y);
    // "Occurs when the user moves the mouse."
    void MouseMove(int button, int shift, double x, double y);
    // "Occurs when the user releases the mouse button while an object has the
    // focus."
    void MouseUp(int button, int shift, double x, double y);
    // A property was set: the host's stored description is out of date.
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FreshenTree();
    void FillDirTree(QString& driverootdir, const QString& pattern, int attribs, bool issorted);

    void onExpanded(QTreeWidgetItem* node);
    void onCollapsed(QTreeWidgetItem* node);
    void onClicked(QTreeWidgetItem* node);
    void applyPresentation();
    void applyCursor();
    void applyFrame();
    QFont ambientFont() const;
    void addPlaceholder(QTreeWidgetItem* node, const QString& key);
    void removeChildren(QTreeWidgetItem* node, const QString& keyPrefix);
    QString currentDriveLetter() const;
    int driveTypeOf(const QTreeWidgetItem* node) const;

    const platform::Volumes& volumes_;
    DirtreeView* treeView_;
    PicList picList_;
    DirtreeNodes nodes_;
    QString driveLetters_;
    QString path_;
    bool listDrivesOnly_ = false;
    bool selectOnExpand_ = false;
    bool cachedSorted_ = true;
    bool hideSelection_ = false;
    bool designMode_ = false;
    int backStyle_ = 0;
    int borderStyle_ = 0;
    int appearance_ = 1;
    double indentation_;
    int mousePointer_ = 0;
    QIcon mouseIcon_;
    QTreeWidgetItem* dropHighlight_ = nullptr;
    QTimer keyPause_;
};

} // namespace tandem::dirtree
