#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

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

    // Including subfolders scans again at once, and the rows are in scan
    // order again: the header shows no sort arrow.
    Pane(2).FileList->SortByColumn(panes::FileList::File);
    EXPECT_TRUE(Pane(2).FileList->header()->isSortIndicatorShown());
    Pane(2).ScanSubfoldersCheck->setChecked(true);
    EXPECT_EQ(FileNames(2), (Names{ "one.sesx", "three.sesx", "two.sesx" }));
    EXPECT_FALSE(Pane(2).FileList->header()->isSortIndicatorShown());
    EXPECT_EQ(FileNames(1), Names{});
}

TEST_F(MainWindowTest, AFolderChosenWithTheKeysIsScannedOnceTheKeysRest)
{
    Pane(1).AutoRefreshCheck->setChecked(true);
    dirtree::DirtreeView& view = Pane(1).FolderTree->TreeView1();
    window_->activateWindow();
    view.setFocus();
    view.setCurrentItem(Node(1, Key("Other")));
    window_->titles.clear();
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_TRUE(window_->titles.empty());
    const QString chosen = dirtree::DirtreeNodes::Key(view.currentItem());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Pane(1).LastDir == chosen; }, 5000));
    // Only the folder the keys stopped on was read.
    for (const QString& title : window_->titles)
        EXPECT_EQ(
            title.startsWith(QLatin1String("Reading")), title.startsWith(QStringLiteral("Reading ") + chosen.toLower()))
            << title.toStdString();

    // Enter scans at once.
    view.setCurrentItem(Node(1, Key("Other")));
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
}

TEST_F(MainWindowTest, EscOrCancelStopsAScanAndTheWindowStays)
{
    Pane(1).AutoRefreshCheck->setChecked(true);
    Pane(1).ScanSubfoldersCheck->setChecked(true);
    for (const bool withEsc : { true, false }) {
        bool cancelShown = false;
        window_->onTitle = [&](const QString& title) {
            if (!title.startsWith(QLatin1String("Reading")) || cancelShown)
                return;
            cancelShown = window_->CancelButton->isVisible();
            if (withEsc)
                QTest::keyClick(window_.get(), Qt::Key_Escape);
            else
                QTest::mouseClick(window_->CancelButton, Qt::LeftButton);
        };
        ClickNode(1, Node(1, Key("Sessions")));
        window_->onTitle = nullptr;
        EXPECT_TRUE(cancelShown);
        EXPECT_EQ(FileNames(1), Names{}) << withEsc;
        EXPECT_TRUE(window_->isVisible());
        EXPECT_TRUE(window_->MainFrame->isEnabled());
        EXPECT_FALSE(window_->CancelButton->isVisible());
    }
}

TEST_F(MainWindowTest, SessionsHandedOverDuringAScanOpenOnceItStops)
{
    Pane(1).AutoRefreshCheck->setChecked(true);
    bool handed = false;
    window_->onTitle = [&](const QString& title) {
        if (title.startsWith(QLatin1String("Reading")) && !handed) {
            handed = true;
            window_->OpenSessions({ Key("Other/four.sesx") });
        }
    };
    ClickNode(1, Node(1, Key("Sessions")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Pane(1).FileList->CheckedKey() == Key("Other/four.sesx"); }, 5000));
    window_->onTitle = nullptr;
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
}

TEST_F(MainWindowTest, APathTypedIntoThePathBoxOpensOnEnter)
{
    QLineEdit& box = *Pane(2).PathBox;
    window_->activateWindow();
    box.setFocus();
    box.clear();
    QTest::keyClicks(&box, QString::fromStdString(Root()) + QStringLiteral("Ses"));
    ASSERT_EQ(box.completer()->completionCount(), 1);
    EXPECT_EQ(box.completer()->currentCompletion(), Key("Sessions"));
    box.setText(Key("Other") + QLatin1Char('/'));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(FileNames(2), Names{ "four.sesx" });
    EXPECT_EQ(dirtree::DirtreeNodes::Key(Pane(2).FolderTree->SelectedItem()), Key("Other"));

    ScriptedPrompt prompt;
    box.setText(Key("Nowhere"));
    QTest::keyClick(&box, Qt::Key_Return);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(QString::fromStdString(prompt.Shown()[0].text),
        QStringLiteral("Cannot access the selected item ") + Key("Nowhere"));
    EXPECT_EQ(FileNames(2), Names{ "four.sesx" });
}

TEST_F(MainWindowTest, DroppedSessionsAndFolders)
{
    const auto drop = [&](const std::vector<std::string>& relative, const QWidget* target) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : relative)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(Root() + path)));
        data.setUrls(urls);
        const QPointF at = target->mapTo(window_.get(), target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &dropped);
        return true;
    };
    // One session on a pane: its folder in that pane, ticked.
    ASSERT_TRUE(drop({ "Other/four.sesx" }, Pane(2).FileList));
    EXPECT_EQ(Pane(2).FileList->CheckedKey(), Key("Other/four.sesx"));
    EXPECT_EQ(Pane(1).FileList->Count(), 0);
    // Two anywhere: the first in pane 1, the second in pane 2.
    ASSERT_TRUE(drop({ "Sessions/two.sesx", "top.sesx" }, window_->ConvertButton));
    EXPECT_EQ(Pane(1).FileList->CheckedKey(), Key("Sessions/two.sesx"));
    EXPECT_EQ(Pane(2).FileList->CheckedKey(), Key("top.sesx"));
    EXPECT_TRUE(window_->ConvertButton->isEnabled());
    // A folder on a pane opens there.
    ASSERT_TRUE(drop({ "Sessions/Sub" }, Pane(1).FolderTree));
    EXPECT_EQ(FileNames(1), Names{ "three.sesx" });
    // Anything else is refused.
    std::ofstream(base_ / "s" / "notes.txt") << "x";
    EXPECT_FALSE(drop({ "notes.txt" }, Pane(1).FileList));
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

// Revealing is not choosing: the tree opens down to the folder, reading a
// removable drive on the way, and nothing is scanned.
TEST_F(MainWindowTest, GoToLastItemOpensTheTreeDownToTheFolder)
{
    fs::create_directories(base_ / "r" / "Disc" / "Take");
    volumes_.AddDrive('R', base_ / "r", platform::DriveTypes::Removable);
    Pane(2).FolderTree->setDriveLetters(QStringLiteral("SR"));
    const QString onDisc = QString::fromStdString(NativePath(volumes_.Root('R') + "Disc/Take"));
    const std::pair<QString, QString> cases[] = { { Key("Sessions/Sub"), Key("Sessions/Sub") }, { onDisc, onDisc },
        { Key("Deleted/Long/Ago"), Key("Program") } };
    for (const auto& [folder, shown] : cases) {
        Pane(2).GoToLastItem(folder);
        const QTreeWidgetItem* selected = Pane(2).FolderTree->SelectedItem();
        ASSERT_NE(selected, nullptr) << folder.toStdString();
        EXPECT_EQ(dirtree::DirtreeNodes::Key(selected), shown);
    }
    EXPECT_EQ(FileNames(2), Names{});
}

} // namespace
} // namespace tandem::test
