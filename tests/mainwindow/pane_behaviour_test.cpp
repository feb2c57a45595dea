#include "main_window_fixture.h"
#include "scripted_prompt.h"

namespace tandem::test {
namespace {

using Names = std::vector<std::string>;
using Answer = platform::Message::Answer;

TEST_F(MainWindowTest, WithoutAutoRefreshAClickOnlyEmptiesTheList)
{
    Pane(1).GoToLastItem(Key("Sessions"));
    QTest::mouseClick(Pane(1).RefreshNowButton, Qt::LeftButton);
    EXPECT_EQ(FileNames(1), (Names{ "one.sesx", "two.sesx" }));
    EXPECT_EQ(Pane(1).LastDir, Key("Sessions"));

    ClickNode(1, Node(1, Key("Other")));
    EXPECT_EQ(FileNames(1), Names{});
    EXPECT_EQ(Pane(1).LastDir, Key("Sessions"));
    QTest::mouseClick(Pane(1).RefreshNowButton, Qt::LeftButton);
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
    EXPECT_EQ(Pane(1).LastDir, Key("Other"));
    EXPECT_FALSE(Pane(1).ForceRefresh);
}

TEST_F(MainWindowTest, WithAutoRefreshEveryClickScans)
{
    Pane(2).AutoRefreshCheck->setChecked(true);
    window_->framesEnabledWhileTitled.clear();
    ClickNode(2, Node(2, Key("Sessions")));
    EXPECT_EQ(FileNames(2), (Names{ "one.sesx", "two.sesx" }));
    // The frames were disabled all the while the scan showed its folder.
    ASSERT_FALSE(window_->framesEnabledWhileTitled.empty());
    for (bool enabled : window_->framesEnabledWhileTitled)
        EXPECT_FALSE(enabled);
    EXPECT_TRUE(window_->MainFrame->isEnabled());
    EXPECT_TRUE(window_->ButtonFrame->isEnabled());

    // Including subfolders scans again at once.
    Pane(2).ScanSubfoldersCheck->setChecked(true);
    EXPECT_EQ(FileNames(2), (Names{ "one.sesx", "three.sesx", "two.sesx" }));
    EXPECT_EQ(FileNames(1), Names{});
}

TEST_F(MainWindowTest, TogglingAutoRefresh)
{
    Pane(1).GoToLastItem(Key("Other"));
    EXPECT_TRUE(Pane(1).RefreshNowButton->isEnabled());
    QTest::mouseClick(Pane(1).AutoRefreshCheck, Qt::LeftButton);
    EXPECT_FALSE(Pane(1).RefreshNowButton->isEnabled());
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
    QTest::mouseClick(Pane(1).AutoRefreshCheck, Qt::LeftButton);
    EXPECT_TRUE(Pane(1).RefreshNowButton->isEnabled());
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
}

TEST_F(MainWindowTest, WholeDriveQuestion)
{
    ScriptedPrompt prompt;
    Pane(1).AutoRefreshCheck->setChecked(true);
    Pane(1).ScanSubfoldersCheck->setChecked(true);
    QTreeWidgetItem* drive = Node(1, QString::fromStdString(Root()));
    prompt.Answer(Answer::No);
    ClickNode(1, drive);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    const platform::Message& question = prompt.Shown()[0];
    EXPECT_EQ(question.icon, platform::Message::Icon::Question);
    EXPECT_EQ(question.buttons, platform::Message::Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::Yes);
    EXPECT_EQ(question.title, "Tandem");
    const std::string driveName = Root().substr(0, Root().size() - 1);
    EXPECT_EQ(question.text,
        "The root folder of Drive " + driveName +
            " is selected and might take some time to scan.\r\n"
            "Are you sure you wish to scan the entire Drive?");
    EXPECT_EQ(FileNames(1), Names{});
    EXPECT_EQ(Pane(1).LastDir.toStdString(), Root());

    prompt.Answer(Answer::Yes);
    ClickNode(1, drive);
    EXPECT_EQ(FileNames(1), (Names{ "four.sesx", "one.sesx", "three.sesx", "top.sesx", "two.sesx" }));

    // Without subfolders the drive's own files are read at once.
    Pane(1).ScanSubfoldersCheck->setChecked(false);
    EXPECT_EQ(prompt.Shown().size(), 2u);
    EXPECT_EQ(FileNames(1), Names{ "top.sesx" });
}

TEST_F(MainWindowTest, ExpandingOrCollapsingEmptiesTheListWithoutScanning)
{
    Pane(1).AutoRefreshCheck->setChecked(true);
    ClickNode(1, Node(1, Key("Sessions")));
    ASSERT_EQ(FileNames(1).size(), 2u);
    QTreeWidgetItem* sessions = Node(1, Key("Sessions"));
    sessions->setExpanded(true);
    EXPECT_EQ(FileNames(1), Names{});
    EXPECT_EQ(Pane(1).FolderTree->SelectedItem(), sessions);
    ClickNode(1, Node(1, Key("Sessions/Sub")));
    EXPECT_EQ(FileNames(1), Names{ "three.sesx" });
    sessions->setExpanded(false);
    EXPECT_EQ(FileNames(1), Names{});
}

TEST_F(MainWindowTest, GoToLastItemOpensTheTreeDownToTheFolder)
{
    Pane(2).GoToLastItem(Key("Sessions/Sub"));
    QTreeWidgetItem* selected = Pane(2).FolderTree->SelectedItem();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(dirtree::DirtreeNodes::Key(selected), Key("Sessions/Sub"));
    EXPECT_TRUE(Node(2, Key("Sessions"))->isExpanded());
    // Revealing is not choosing: nothing is scanned.
    EXPECT_EQ(FileNames(2), Names{});
}

TEST_F(MainWindowTest, GoToLastItemFallsBackToTheProgramFolder)
{
    Pane(1).GoToLastItem(Key("Deleted/Long/Ago"));
    ASSERT_NE(Pane(1).FolderTree->SelectedItem(), nullptr);
    EXPECT_EQ(dirtree::DirtreeNodes::Key(Pane(1).FolderTree->SelectedItem()), Key("Program"));
}

} // namespace
} // namespace tandem::test
