#include "dirtree_test_fixture.h"

#include "twips.h"

#include <QSignalSpy>

namespace tandem::test {
namespace {

TEST_F(DirtreeTest, ClickSetsPathBeforeNodeClickAndDoubleClickIsReported)
{
    tree_->setDriveLetters(QStringLiteral("TR"));
    std::vector<std::string> seen;
    QObject::connect(tree_.get(), &Dirtree::NodeClick, [&](QTreeWidgetItem* node) {
        seen.push_back(DirtreeNodes::Key(node).toStdString() + " -> " + tree_->Path().toStdString());
    });
    QSignalSpy clicks(tree_.get(), &Dirtree::Click);
    Click(Node(Root('R')));
    Click(Node(Root('T') + "Audio"));
    EXPECT_EQ(seen,
        (std::vector<std::string>{
            Root('R') + " -> " + Root('R'), Root('T') + "Audio -> " + NativePath(Root('T') + "Audio/") }));
    EXPECT_EQ(clicks.count(), 2);
    QSignalSpy doubles(tree_.get(), &Dirtree::DblClick);
    auto& view = tree_->TreeView1();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualItemRect(Node(Root('T') + "Empty")).center());
    EXPECT_EQ(doubles.count(), 1);
}

TEST_F(DirtreeTest, ExpandAndCollapseReachTheHostBeforeTheControlWorks)
{
    QTreeWidgetItem* audio = Node(Root('T') + "Audio");
    std::vector<std::string> seen;
    QObject::connect(tree_.get(), &Dirtree::Expand,
        [&](QTreeWidgetItem* node) { seen.push_back("expand, first child " + node->child(0)->text(0).toStdString()); });
    QObject::connect(tree_.get(), &Dirtree::Collapse, [&](QTreeWidgetItem* node) {
        seen.push_back("collapse, first child " + node->child(0)->text(0).toStdString());
    });
    audio->setExpanded(true);
    audio->setExpanded(false);
    EXPECT_EQ(seen, (std::vector<std::string>{ "expand, first child ~CustomTree~", "collapse, first child Sessions" }));
}

TEST_F(DirtreeTest, SelectOnExpandDecidesAfterTheHost)
{
    QTreeWidgetItem* audio = Node(Root('T') + "Audio");
    // The host selects the node in its handler; the control then applies
    // SelectOnExpand.
    QObject::connect(tree_.get(), &Dirtree::Expand, [&](QTreeWidgetItem* node) { tree_->setSelectedItem(node); });
    audio->setExpanded(true);
    EXPECT_FALSE(audio->isSelected());
    audio->setExpanded(false);
    tree_->setSelectOnExpand(true);
    tree_->setSelectedItem(nullptr);
    Node(Root('T') + "MyRecycled")->setExpanded(true);
    EXPECT_EQ(tree_->SelectedItem(), Node(Root('T') + "MyRecycled"));
}

TEST_F(DirtreeTest, MouseDownArrivesWithTheNodeUnderThePointerSelected)
{
    QTreeWidgetItem* empty = Node(Root('T') + "Empty");
    ASSERT_NE(tree_->SelectedItem(), empty);
    QTreeWidgetItem* selectedWhenDown = nullptr;
    int buttonWhenDown = 0;
    QObject::connect(tree_.get(), &Dirtree::MouseDown, [&](int button, int, double, double) {
        selectedWhenDown = tree_->SelectedItem();
        buttonWhenDown = button;
    });
    QSignalSpy ups(tree_.get(), &Dirtree::MouseUp);
    Click(empty, Qt::RightButton);
    EXPECT_EQ(selectedWhenDown, empty);
    EXPECT_EQ(buttonWhenDown, 2);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), 2);
}

TEST_F(DirtreeTest, HitTestFindsNodesAndNothingBelowTheLast)
{
    auto& view = tree_->TreeView1();
    QTreeWidgetItem* audio = Node(Root('T') + "Audio");
    tree_->TreeView1().expandAll();
    const QPoint centre = view.visualItemRect(audio).center();
    EXPECT_EQ(
        tree_->HitTest(dirtree::TwipsFromPixels(centre.x(), view), dirtree::TwipsFromPixels(centre.y(), view, true)),
        audio);
    const int belowLast = view.viewport()->height() - 2;
    ASSERT_GT(belowLast, view.visualItemRect(Node(Root('T') + "recycled")).bottom());
    EXPECT_EQ(tree_->HitTest(100, dirtree::TwipsFromPixels(belowLast, view, true)), nullptr);
}

TEST_F(DirtreeTest, SelectingANodeInAClosedDriveKeepsThatNode)
{
    tree_->setSelectOnExpand(true);
    QTreeWidgetItem* empty = Node(Root('T') + "Empty");
    tree_->setSelectedItem(empty);
    EXPECT_TRUE(Node(Root('T'))->isExpanded());
    EXPECT_EQ(tree_->SelectedItem(), empty);
}

} // namespace
} // namespace tandem::test
