#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include <QAccessible>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include <set>

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
    window_->framesEnabledWhileTitled.clear();
    QTest::mouseClick(Pane(1).RefreshNowButton, Qt::LeftButton);
    EXPECT_EQ(FileNames(1), Names{ "four.sesx" });
    // The frames were disabled all the while the scan showed its folder.
    ASSERT_FALSE(window_->framesEnabledWhileTitled.empty());
    for (bool enabled : window_->framesEnabledWhileTitled)
        EXPECT_FALSE(enabled);
    EXPECT_EQ(Pane(1).LastDir, Key("Other"));
    EXPECT_FALSE(Pane(1).ForceRefresh);
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
    EXPECT_EQ(question.defaultAnswer, Answer::Yes);
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

TEST_F(MainWindowTest, ExtraRoomGoesToTheTreesAndListsAndLessShrinksAll)
{
    const QRect tree = Pane(2).FolderTree->geometry();
    const QRect list = Pane(1).FileList->geometry();
    const QRect subfolders = Pane(1).ScanSubfoldersCheck->geometry();
    const QRect combine = window_->ConvertButton->geometry();
    const QRect frame = window_->MainFrame->geometry();
    // As designed: the frame fills the window, every caption fits.
    EXPECT_TRUE(window_->centralWidget()->rect().contains(frame));
    for (QCheckBox* check : window_->findChildren<QCheckBox*>())
        EXPECT_LE(check->sizeHint().width(), check->width()) << check->text().toStdString();
    window_->resize(window_->width() + 300, window_->height() + 200);
    QApplication::processEvents();
    EXPECT_NEAR(Pane(2).FolderTree->width(), tree.width() + 90, 1);
    EXPECT_NEAR(Pane(2).FolderTree->height(), tree.height() + 100, 1);
    EXPECT_NEAR(Pane(1).FileList->width(), list.width() + 210, 1);
    EXPECT_NEAR(Pane(1).FileList->height(), list.height() + 100, 1);
    EXPECT_EQ(Pane(1).ScanSubfoldersCheck->geometry(), subfolders.translated(0, 100));
    EXPECT_EQ(window_->ConvertButton->size(), combine.size());
    EXPECT_EQ(window_->MainFrame->geometry().bottom() - window_->ConvertButton->geometry().bottom(),
        frame.bottom() - combine.bottom());

    // Smaller than designed: everything shrinks alike and stays inside its
    // frame.
    window_->resize(window_->minimumSize());
    QApplication::processEvents();
    EXPECT_LT(window_->ConvertButton->width(), combine.width());
    for (const QWidget* control : window_->centralWidget()->findChildren<QWidget*>()) {
        if (control->isWindow() || !control->isVisibleTo(window_.get()) ||
            !qobject_cast<QGroupBox*>(control->parentWidget()))
            continue;
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ScreenReadersHearWhatEachControlIsFor)
{
    std::set<QString> names;
    for (QWidget* control : window_->centralWidget()->findChildren<QWidget*>()) {
        const bool named = qobject_cast<QGroupBox*>(control) || qobject_cast<QAbstractButton*>(control) ||
            qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QTreeWidget*>(control);
        if (!named || qobject_cast<QLineEdit*>(control->parentWidget()) ||
            qobject_cast<QComboBox*>(control->parentWidget()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty()) << name.toStdString();
        // The inner view of a folder tree speaks for it.
        if (control->objectName() != QLatin1String("TreeView1")) {
            EXPECT_TRUE(names.insert(name).second) << name.toStdString();
        }
    }
    EXPECT_EQ(window_->TargetTextBox->accessibleName(), QStringLiteral("Target folder"));
    EXPECT_EQ(Pane(2).FileList->accessibleName(), QStringLiteral("File 2 list"));
}

TEST_F(MainWindowTest, CombineButtonFollowsTheChecksOfBothPanes)
{
    for (int index = 1; index <= 2; ++index) {
        Pane(index).GoToLastItem(Key("Sessions"));
        Pane(index).ForceRefresh = true;
        Pane(index).SESFileRefresh();
        ASSERT_EQ(Pane(index).FileList->Count(), 2);
    }
    EXPECT_FALSE(window_->ConvertButton->isEnabled());
    Pane(1).FileList->CheckFile(Pane(1).FileList->At(0));
    EXPECT_FALSE(window_->ConvertButton->isEnabled());
    Pane(2).FileList->CheckFile(Pane(2).FileList->At(1));
    EXPECT_TRUE(window_->ConvertButton->isEnabled());
    EXPECT_EQ(window_->GetSelectedFilePath(2), Key("Sessions/"));
    Pane(2).ForceRefresh = true;
    Pane(2).SESFileRefresh();
    EXPECT_FALSE(window_->ConvertButton->isEnabled());
}

} // namespace
} // namespace tandem::test
