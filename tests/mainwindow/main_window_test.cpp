#include "main_window_fixture.h"

#include "twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace tandem::test {
namespace {

TEST_F(MainWindowTest, FixedSizeWindowWithItsCaptions)
{
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("Tandem - Version ")));
    const QWidget& client = *window_->centralWidget();
    EXPECT_NEAR(dirtree::TwipsFromPixels(client.width(), client), 15915, 15);
    EXPECT_NEAR(dirtree::TwipsFromPixels(client.height(), client, true), 9285, 15);

    EXPECT_EQ(window_->MainFrame->title(), QStringLiteral("SESX Files"));
    EXPECT_EQ(Pane(1).FolderFrame->title(), QStringLiteral("Folder 1"));
    EXPECT_EQ(Pane(2).AutoRefreshCheck->text(), QStringLiteral("A&uto Refresh"));
    EXPECT_EQ(Pane(1).ScanSubfoldersCheck->text(), QStringLiteral("Incl. S&ubfolders"));
    EXPECT_EQ(Pane(2).RefreshNowButton->text(), QStringLiteral("Re&fresh"));
    EXPECT_EQ(Pane(2).FileFrame->title(), QStringLiteral("File 2"));
    EXPECT_EQ(window_->ConvertButton->text(), QStringLiteral("&Combine"));
    EXPECT_EQ(window_->TargetOptionsFrame->title(), QStringLiteral("Create Combination File in..."));
    EXPECT_EQ(window_->TargetOption[0]->text(), QStringLiteral("File &1  Folder"));
    EXPECT_EQ(window_->TargetOption[2]->text(), QStringLiteral("&Specific Folder..."));
    EXPECT_EQ(window_->ButtonFrame->title(), QStringLiteral("Language Options"));
    EXPECT_EQ(window_->NonEnglishCheck->text(), QStringLiteral("Set &Language Translation Using..."));

    // What is enabled before anything is chosen.
    EXPECT_FALSE(window_->ConvertButton->isEnabled());
    EXPECT_TRUE(window_->TargetOption[0]->isChecked());
    EXPECT_FALSE(window_->TargetTextBox->isEnabled());
    EXPECT_FALSE(window_->FileButton->isEnabled());
    EXPECT_FALSE(window_->NonEnglishCheck->isEnabled());
    EXPECT_FALSE(window_->LanguageList->isEnabled());
    EXPECT_TRUE(window_->MainFrame->font().bold());
    EXPECT_FALSE(Pane(1).AutoRefreshCheck->font().bold());
    // Every caption fits its control.
    for (QCheckBox* check : window_->findChildren<QCheckBox*>())
        EXPECT_LE(check->sizeHint().width(), check->width()) << check->text().toStdString();
}

TEST_F(MainWindowTest, Menus)
{
    std::vector<std::string> titles;
    for (QAction* menu : window_->menuBar()->actions())
        titles.push_back(menu->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{ "&File", "&Window", "&Help" }));
    EXPECT_EQ(window_->mnuFileExit->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(window_->mnuWindowCentre->text(), QStringLiteral("&Centre"));
    const QMenu* helpMenu = window_->findChild<QMenu*>(QStringLiteral("mnuHelpMain"));
    ASSERT_NE(helpMenu, nullptr);
    const QList<QAction*> help = helpMenu->actions();
    ASSERT_EQ(help.size(), 3);
    EXPECT_EQ(help[0]->text(), QStringLiteral("&Donate"));
    EXPECT_TRUE(help[1]->isSeparator());
    EXPECT_EQ(help[2]->text(), QStringLiteral("&About"));
}

TEST_F(MainWindowTest, EscapeAnywhereExits)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Pane(1).FileList->setFocus();
    QTest::keyClick(Pane(1).FileList, Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, ExitButtonAndMenuExit)
{
    QTest::mouseClick(window_->ExitButton, Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
    window_->show();
    window_->mnuFileExit->trigger();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, CentreMovesToTheMiddleOfTheScreen)
{
    window_->move(0, 0);
    window_->Centre();
    const QRect screen = window_->screen()->geometry();
    const QRect frame = window_->frameGeometry();
    EXPECT_NEAR(frame.center().x(), screen.center().x(), 2);
    EXPECT_NEAR(frame.center().y(), screen.center().y(), 2);
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

TEST_F(MainWindowTest, FolderColumnSpringsBackWhenTheMouseMoves)
{
    panes::FileList& list = *Pane(2).FileList;
    list.SetColumnWidthTwips(panes::FileList::Folder, 60);
    QTest::mouseMove(Pane(1).FileList->viewport(), QPoint(20, 20));
    EXPECT_NEAR(list.ColumnWidthTwips(panes::FileList::Folder), 315, 15);
}

TEST_F(MainWindowTest, SelectAllTextSelectsTheFocusedText)
{
    window_->TargetTextBox->setEnabled(true);
    window_->TargetTextBox->setText(QStringLiteral("/some/folder"));
    window_->activateWindow();
    window_->TargetTextBox->setFocus();
    QApplication::processEvents();
    window_->SelectAllText();
    EXPECT_EQ(window_->TargetTextBox->selectedText(), QStringLiteral("/some/folder"));
}

TEST_F(MainWindowTest, HelpAboutShowsTheAboutBoxWithTheWindowsIcon)
{
    EXPECT_FALSE(window_->windowIcon().isNull());
    QString shownName;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        shownName = box->objectName();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    window_->mnuHelpAbout->trigger();
    EXPECT_EQ(shownName, QStringLiteral("About"));
}

} // namespace
} // namespace tandem::test
