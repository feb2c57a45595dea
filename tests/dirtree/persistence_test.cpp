#include "dirtree_test_fixture.h"
#include "property_bag.h"

#include <QSignalSpy>

namespace tandem::test {
namespace {

using dirtree::PropertyBag;

TEST_F(DirtreeTest, NothingStoredGivesTheDefaults)
{
    Dirtree restored(volumes_);
    restored.ReadProperties(PropertyBag());
    EXPECT_TRUE(restored.Sorted());
    EXPECT_TRUE(restored.Enabled());
    EXPECT_FALSE(restored.HideSelection());
    EXPECT_DOUBLE_EQ(restored.Indentation(), 250.0158);
    EXPECT_EQ(restored.MousePointer(), 0);
    EXPECT_EQ(restored.Path(), QString());
    EXPECT_FALSE(restored.ListDrivesOnly());
    EXPECT_FALSE(restored.SelectOnExpand());
    EXPECT_EQ(restored.Nodes().Count(), 0);
    // Defaults are not stored back.
    PropertyBag bag;
    restored.WriteProperties(bag);
    EXPECT_EQ(bag.Names(), QStringList());
}

// Each setter marks its property changed; ReadProperties marks none.
TEST_F(DirtreeTest, StoredValuesComeBack)
{
    QSignalSpy set(tree_.get(), &Dirtree::PropertyChanged);
    tree_->setDriveLetters(QStringLiteral("TR"));
    tree_->setSorted(false);
    tree_->setHideSelection(true);
    tree_->setIndentation(400);
    tree_->setMousePointer(2);
    tree_->setToolTipText(QStringLiteral("Folders"));
    tree_->setEnabledTree(false);
    tree_->setSelectOnExpand(true);
    tree_->SetPath(QStringLiteral("anything"));
    QFont font = tree_->Font();
    font.setPointSize(font.pointSize() + 3);
    tree_->setTreeFont(font);
    tree_->setSelectedItem(Node(Root('T') + "Empty"));
    tree_->setListDrivesOnly(true);
    QStringList changed;
    for (const QList<QVariant>& signal : set)
        changed << signal.at(0).toString();
    for (const char* name : { "DriveLetters", "Sorted", "HideSelection", "Indentation", "MousePointer", "ToolTipText",
             "Enabled", "SelectOnExpand", "Path", "Font", "SelectedItem", "ListDrivesOnly" })
        EXPECT_TRUE(changed.contains(QLatin1String(name))) << name;

    PropertyBag bag;
    tree_->WriteProperties(bag);
    Dirtree restored(volumes_);
    QSignalSpy changes(&restored, &Dirtree::PropertyChanged);
    restored.ReadProperties(bag);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(restored.Sorted());
    EXPECT_TRUE(restored.HideSelection());
    EXPECT_DOUBLE_EQ(restored.Indentation(), 400);
    EXPECT_EQ(restored.MousePointer(), 2);
    EXPECT_EQ(restored.ToolTipText(), QStringLiteral("Folders"));
    EXPECT_FALSE(restored.Enabled());
    EXPECT_TRUE(restored.SelectOnExpand());
    EXPECT_EQ(restored.Path(), QStringLiteral("anything"));
    EXPECT_EQ(restored.Font(), font);
    EXPECT_TRUE(restored.ListDrivesOnly());
    // The rebuild ran with the ListDrivesOnly the control had before, so the
    // folders are there and the selected one is found again.
    ASSERT_NE(restored.SelectedItem(), nullptr);
    EXPECT_EQ(DirtreeNodes::Key(restored.SelectedItem()).toStdString(), Root('T') + "Empty");
    EXPECT_EQ(restored.Nodes().Item(Key(Root('T')))->text(0).toStdString(), Root('T') + " [TESTVOL]");
}

TEST_F(DirtreeTest, PicturesHaveTwelveKeysAndHiddenOnesLookDifferent)
{
    const auto& pictures = tree_->Pictures();
    ASSERT_EQ(dirtree::PicList::Keys().size(), 12);
    for (const QString& key : dirtree::PicList::Keys())
        EXPECT_FALSE(pictures.Picture(key).isNull()) << key.toStdString();
    const auto image = [&](const char* key) { return pictures.Picture(QLatin1String(key)).pixmap(16, 16).toImage(); };
    EXPECT_NE(image("ClosedFolder"), image("ClosedFolder2"));
    EXPECT_NE(image("OpenFolder"), image("OpenFolder2"));
}

} // namespace
} // namespace tandem::test
