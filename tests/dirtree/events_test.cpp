#include "dirtree_test_fixture.h"

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

} // namespace
} // namespace tandem::test
