#include "dirtree.h"
#include "dirtree_view.h"
#include "property_bag.h"

#include <QApplication>
#include <QSignalBlocker>

namespace tandem::dirtree {

namespace {

constexpr double defaultIndentation = 250.0158;

QVariant keyOf(const QTreeWidgetItem* node) { return node ? QVariant(DirtreeNodes::Key(node)) : QVariant(); }

} // namespace

QFont Dirtree::ambientFont() const { return parentWidget() ? parentWidget()->font() : QApplication::font(); }

void Dirtree::applyFrame()
{
    treeView_->setFrameShape(borderStyle_ == 0 ? QFrame::NoFrame : QFrame::StyledPanel);
    treeView_->setFrameShadow(appearance_ == 0 ? QFrame::Plain : QFrame::Sunken);
    setAutoFillBackground(backStyle_ != 0);
}

void Dirtree::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Sorted"), Sorted(), true);
    bag.WriteProperty(QStringLiteral("DriveLetters"), driveLetters_, QString());
    bag.WriteProperty(QStringLiteral("BackStyle"), backStyle_, 0);
    bag.WriteProperty(QStringLiteral("BorderStyle"), borderStyle_, 0);
    bag.WriteProperty(QStringLiteral("DropHighlight"), keyOf(dropHighlight_), QVariant());
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("Font"), Font(), ambientFont());
    bag.WriteProperty(QStringLiteral("HideSelection"), hideSelection_, false);
    bag.WriteProperty(QStringLiteral("Indentation"), indentation_, defaultIndentation);
    bag.WriteProperty(QStringLiteral("MousePointer"), mousePointer_, 0);
    bag.WriteProperty(QStringLiteral("SelectedItem"), keyOf(SelectedItem()), QVariant());
    bag.WriteProperty(QStringLiteral("ToolTipText"), ToolTipText(), QString());
    bag.WriteProperty(QStringLiteral("Appearance"), appearance_, 1);
    bag.WriteProperty(QStringLiteral("Path"), path_, QString());
    bag.WriteProperty(QStringLiteral("MouseIcon"), mouseIcon_.isNull() ? QVariant() : QVariant(mouseIcon_), QVariant());
    bag.WriteProperty(QStringLiteral("ListDrivesOnly"), listDrivesOnly_, false);
    bag.WriteProperty(QStringLiteral("SelectOnExpand"), selectOnExpand_, false);
}

// The order matters: the tree is rebuilt from the stored letters before the
// selected and highlighted nodes can be found in it, and with the
// ListDrivesOnly the control had before; a restored ListDrivesOnly takes
// effect at the next rebuild. Restoring marks nothing as changed.
void Dirtree::ReadProperties(const PropertyBag& bag)
{
    const QSignalBlocker quiet(this);
    const auto read = [&bag](const char* name, const QVariant& defaultValue) {
        return bag.ReadProperty(QLatin1String(name), defaultValue);
    };
    setSorted(read("Sorted", true).toBool());
    driveLetters_ = read("DriveLetters", QString()).toString();
    FreshenTree();
    backStyle_ = read("BackStyle", 0).toInt();
    borderStyle_ = read("BorderStyle", 0).toInt();
    setDropHighlight(nodes_.Item(read("DropHighlight", QVariant()).toString()));
    setEnabledTree(read("Enabled", true).toBool());
    setTreeFont(read("Font", ambientFont()).value<QFont>());
    setHideSelection(read("HideSelection", false).toBool());
    setIndentation(read("Indentation", defaultIndentation).toDouble());
    setMousePointer(read("MousePointer", 0).toInt());
    setSelectedItem(nodes_.Item(read("SelectedItem", QVariant()).toString()));
    setToolTipText(read("ToolTipText", QString()).toString());
    appearance_ = read("Appearance", 1).toInt();
    applyFrame();
    path_ = read("Path", QString()).toString();
    setMouseIcon(read("MouseIcon", QVariant()).value<QIcon>());
    listDrivesOnly_ = read("ListDrivesOnly", false).toBool();
    selectOnExpand_ = read("SelectOnExpand", false).toBool();
}

} // namespace tandem::dirtree
