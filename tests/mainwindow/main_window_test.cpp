#include "main_window_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <map>
#include <set>

namespace tandem::test {
namespace {

TEST_F(MainWindowTest, WhatIsEnabledFirstAndCaptionsFit)
{
    EXPECT_NE(window_->minimumSize(), window_->maximumSize());
    // What is enabled before anything is chosen.
    EXPECT_FALSE(window_->ConvertButton->isEnabled());
    EXPECT_TRUE(window_->TargetOption[0]->isChecked());
    EXPECT_FALSE(window_->TargetTextBox->isEnabled());
    EXPECT_FALSE(window_->FileButton->isEnabled());
    EXPECT_FALSE(window_->NonEnglishCheck->isEnabled());
    EXPECT_FALSE(window_->LanguageList->isEnabled());
    EXPECT_FALSE(window_->CancelButton->isVisible());
    // Every caption fits its control.
    for (QCheckBox* check : window_->findChildren<QCheckBox*>())
        EXPECT_LE(check->sizeHint().width(), check->width()) << check->text().toStdString();
}

TEST_F(MainWindowTest, ExtraRoomGoesToTheTreesAndListsAndLessShrinksAll)
{
    const QRect tree = Pane(2).FolderTree->geometry();
    const QRect list = Pane(1).FileList->geometry();
    const QRect subfolders = Pane(1).ScanSubfoldersCheck->geometry();
    const QRect combine = window_->ConvertButton->geometry();
    const QRect frame = window_->MainFrame->geometry();
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

TEST_F(MainWindowTest, NoTwoControlsShareAMnemonic)
{
    std::map<QChar, QString> owners;
    const auto claim = [&](const QString& caption) {
        const int at = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (at < 0)
            return;
        const QChar letter = caption[at + 1].toLower();
        EXPECT_EQ(owners.count(letter), 0u) << caption.toStdString() << " and " << owners[letter].toStdString();
        owners[letter] = caption;
    };
    for (const QAction* menu : window_->menuBar()->actions())
        claim(menu->text());
    for (const QAbstractButton* button : window_->centralWidget()->findChildren<QAbstractButton*>())
        claim(button->text());
    EXPECT_GE(owners.size(), 15u);
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

TEST_F(MainWindowTest, EscapeAnywhereTheExitButtonAndTheMenuExit)
{
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Pane(1).FileList->setFocus();
    QTest::keyClick(Pane(1).FileList, Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible());
    window_->show();
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

TEST_F(MainWindowTest, F1OpensTheReadmeAtHowToUseTheWindow)
{
    UrlRecorder browser(QStringLiteral("https"));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_F1);
    ASSERT_EQ(browser.opened.size(), 1);
    // The address points at a heading the README has.
    const QString anchor = browser.opened[0].fragment();
    QFile readme(QStringLiteral(TANDEM_README));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    bool found = false;
    for (const QString& line : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n')))
        found = found ||
            (line.startsWith(QLatin1String("#")) &&
                line.section(QLatin1Char(' '), 1).toLower().replace(QLatin1Char(' '), QLatin1Char('-')) == anchor);
    EXPECT_TRUE(found) << anchor.toStdString();
}

TEST_F(MainWindowTest, HelpAboutShowsTheAboutBoxWithTheWindowsIcon)
{
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
