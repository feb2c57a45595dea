#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include "settings_store.h"
#include "single_instance.h"
#include "startup.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

namespace tandem::test {
namespace {

class StartUpTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window_->hide();
    }
    QTemporaryDir folder_;
    QString iniFile_ = folder_.filePath(QStringLiteral("Tandem.ini"));
};

// The real window on this machine's drives: Qt names the program's folder
// with "/" even on Windows, where the trees' keys have "\".
TEST(ProgramFolder, FirstStartOpensBothPanesAndTheTargetThere)
{
    QTemporaryDir folder;
    settings::QSettingsStore store(folder.filePath(QStringLiteral("Tandem.ini")));
    Main window;
    mainwindow::StartUp(window, store, platform::SystemVolumes());
    const QString program = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    for (int pane = 1; pane <= 2; ++pane) {
        const QTreeWidgetItem* node = window.Pane(pane).FolderTree->SelectedItem();
        ASSERT_NE(node, nullptr) << pane;
        EXPECT_EQ(dirtree::DirtreeNodes::Key(node), program);
    }
    EXPECT_EQ(window.TargetTextBox->text(), program);
}

TEST_F(StartUpTest, RemembersTheWindowAsItWasLeft)
{
    {
        settings::QSettingsStore store(iniFile_);
        store.Write(QStringLiteral("PATHS"), QStringLiteral("LastDir1"), Key("Sessions"));
        store.Write(QStringLiteral("PATHS"), QStringLiteral("LastDir2"), Key("Other"));
        store.Write(QStringLiteral("SETTINGS"), QStringLiteral("AutoRefresh1"), QStringLiteral("1"));
        store.Write(QStringLiteral("SETTINGS"), QStringLiteral("AutoRefresh2"), QStringLiteral("1"));
        store.Write(QStringLiteral("SETTINGS"), QStringLiteral("ScanSubfolders1"), QStringLiteral("1"));
        store.Write(QStringLiteral("SETTINGS"), QStringLiteral("ColWidthFile2"), QStringLiteral("4000"));
        store.Write(QStringLiteral("SETTINGS"), QStringLiteral("ColWidthFolder2"), QStringLiteral("100"));
        ASSERT_TRUE(store.Save());
    }
    settings::QSettingsStore store(iniFile_);
    ScriptedPrompt prompt;
    mainwindow::StartUp(*window_, store, volumes_);
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(FileNames(1), (std::vector<std::string>{ "one.sesx", "three.sesx", "two.sesx" }));
    EXPECT_EQ(FileNames(2), std::vector<std::string>{ "four.sesx" });
    EXPECT_TRUE(window_->ButtonFrame->isEnabled());
    EXPECT_FALSE(Pane(1).RefreshNowButton->isEnabled());
    EXPECT_NEAR(Pane(2).FileList->ColumnWidthTwips(panes::FileList::File), 4000, 15);
    // A Folder column is never narrower than 315 twips.
    EXPECT_NEAR(Pane(2).FileList->ColumnWidthTwips(panes::FileList::Folder), 315, 15);

    // Closing saves what the window shows now.
    Pane(2).ScanSubfoldersCheck->setChecked(true);
    window_->close();
    settings::QSettingsStore saved(iniFile_);
    EXPECT_EQ(
        saved.Read(QStringLiteral("SETTINGS"), QStringLiteral("ScanSubfolders2"), QString()), QStringLiteral("1"));
    EXPECT_EQ(saved.Read(QStringLiteral("PATHS"), QStringLiteral("LastDir1"), QString()), Key("Sessions"));
}

TEST_F(StartUpTest, ClosingWhileStartUpReadsEndsItAtOnce)
{
    settings::QSettingsStore store(iniFile_);
    for (const char* key : { "AutoRefresh1", "AutoRefresh2", "ScanSubfolders1" })
        store.Write(QStringLiteral("SETTINGS"), QLatin1String(key), QStringLiteral("1"));
    store.Write(QStringLiteral("PATHS"), QStringLiteral("LastDir1"), Key("Sessions"));
    store.Write(QStringLiteral("PATHS"), QStringLiteral("LastDir2"), Key("Other"));
    window_->onTitle = [&](const QString& title) {
        if (title.startsWith(QLatin1String("Reading")) && window_->isVisible())
            window_->close();
    };
    EXPECT_FALSE(mainwindow::StartUp(*window_, store, volumes_));
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(FileNames(1), std::vector<std::string>{});
    // Pane 2 was never read.
    EXPECT_EQ(std::count_if(window_->titles.begin(), window_->titles.end(),
                  [&](const QString& title) { return title.contains(Key("Other").toLower()); }),
        0);
    // The settings were saved on the way out.
    EXPECT_EQ(settings::QSettingsStore(iniFile_).Read(QStringLiteral("PATHS"), QStringLiteral("LastDir2"), QString()),
        Key("Other"));
}

TEST_F(StartUpTest, ASecondStartHandsItsSessionsToTheFirstAndEnds)
{
    EXPECT_FALSE(mainwindow::SingleInstance(QStringLiteral("Tandem-nobody-listens")).ActivateRunningInstance());
    // What a program that crashed left behind does not stand in the way.
    QFile leftover(QDir::tempPath() + QLatin1Char('/') + mainwindow::SingleInstance::DefaultKey());
    leftover.remove();
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    mainwindow::SingleInstance first;
    ASSERT_TRUE(first.Listen());
    mainwindow::TakeLaterStarts(first, *window_);
    QSignalSpy activations(&first, &mainwindow::SingleInstance::ActivationRequested);
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    // Paths as a shell in drive S's root passes them.
    second.setWorkingDirectory(QString::fromStdString(Root()));
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    second.start(QStringLiteral(TANDEM_APP_PATH), { QStringLiteral("Other/four.sesx"), QStringLiteral("top.sesx") });
    loop.exec();
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_EQ(activations.count(), 1);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(Pane(1).FileList->CheckedKey(), Key("Other/four.sesx"));
    EXPECT_EQ(Pane(2).FileList->CheckedKey(), Key("top.sesx"));
}

} // namespace
} // namespace tandem::test
