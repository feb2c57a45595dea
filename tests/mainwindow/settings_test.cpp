#include "main_window_fixture.h"
#include "scripted_prompt.h"

#include "language_options.h"
#include "settings_io.h"
#include "settings_store.h"
#include "twips.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

namespace tandem::test {
namespace {

class SettingsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window_->LanguageOptions().FillLanguageList();
    }
    void Load() { settings::LoadSettings(store_, window_->SettingsControls()); }
    void Store(const char* key, const QString& value)
    {
        const QString name = QLatin1String(key);
        const QString section = name == QLatin1String("Top") || name == QLatin1String("Left") ? QStringLiteral("WINDOW")
            : name.startsWith(QLatin1String("LastDir")) || name == QLatin1String("TargDir")
            ? QStringLiteral("PATHS")
            : QStringLiteral("SETTINGS");
        store_.Write(section, name, value);
    }

    QTemporaryDir folder_;
    const QString file_ = folder_.filePath(QStringLiteral("Tandem.ini"));
    settings::QSettingsStore store_{ file_ };
};

TEST_F(SettingsTest, FirstRunTakesTheDefaults)
{
    window_->PlacementOption[2]->setChecked(true);
    window_->ChooseTracksCheck->setChecked(true);
    Load();
    EXPECT_EQ(Pane(1).LastDir, Key("Program"));
    EXPECT_EQ(Pane(2).LastDir, Key("Program"));
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Program"));
    EXPECT_TRUE(window_->TargetOption[0]->isChecked());
    EXPECT_FALSE(Pane(1).AutoRefreshCheck->isChecked());
    EXPECT_FALSE(Pane(2).ScanSubfoldersCheck->isChecked());
    EXPECT_EQ(window_->LanguageList->currentText(), QStringLiteral("Simple Chinese"));
    EXPECT_FALSE(window_->NonEnglishCheck->isChecked());
    EXPECT_FALSE(window_->LanguageList->isEnabledTo(window_->ButtonFrame));
    EXPECT_EQ(window_->ColumnWidths[0], (std::array<double, 4>{ 3350, 2880, 1800, 1500 }));
    EXPECT_EQ(window_->ColumnWidths[1], (std::array<double, 4>{ 3350, 2880, 1800, 1500 }));
    EXPECT_TRUE(window_->PlacementOption[0]->isChecked());
    EXPECT_FALSE(window_->GapTextBox->isEnabled());
    EXPECT_EQ(window_->GapTextBox->text(), QStringLiteral("0"));
    EXPECT_FALSE(window_->ChooseTracksCheck->isChecked());
    // Settings without a size keep the designed one.
    EXPECT_NEAR(dirtree::TwipsFromPixels(window_->centralWidget()->width(), *window_), 15915, 15);
}

TEST_F(SettingsTest, OutOfRangeValuesFallBack)
{
    for (const char* target : { "0", "4", "9", "x" }) {
        window_->TargetOption[2]->setChecked(true);
        window_->PlacementOption[2]->setChecked(true);
        Store("Target", QLatin1String(target));
        Store("Placement", QLatin1String(target));
        Load();
        EXPECT_TRUE(window_->TargetOption[0]->isChecked()) << target;
        EXPECT_TRUE(window_->PlacementOption[0]->isChecked()) << target;
    }
    // A gap or time the boxes would refuse gives way to the default.
    Store("PlacementGap", QStringLiteral("-1"));
    Store("PlacementAt", QStringLiteral("1:75"));
    Load();
    EXPECT_EQ(window_->GapTextBox->text(), QStringLiteral("0"));
    EXPECT_EQ(window_->AtTextBox->text(), QString());
    Store("Target", QStringLiteral("3"));
    Store("Language", QStringLiteral("12"));
    Load();
    EXPECT_TRUE(window_->TargetOption[2]->isChecked());
    EXPECT_TRUE(window_->TargetTextBox->isEnabled());
    EXPECT_EQ(window_->LanguageList->currentIndex(), 0);
    Store("Language", QStringLiteral("-1"));
    Load();
    EXPECT_EQ(window_->LanguageList->currentIndex(), -1);
    settings::SaveSettings(store_, window_->SettingsControls());
    EXPECT_EQ(store_.Read(QStringLiteral("SETTINGS"), QStringLiteral("Language"), QString()), QStringLiteral("-1"));
    // A target folder that is gone becomes the program's folder.
    Store("TargDir", Key("Deleted"));
    Load();
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Program"));
    Store("TargDir", Key("Other"));
    Load();
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Other"));
}

// A store whose writes never last, in the registry or in a file.
class FailingStore : public settings::QSettingsStore {
public:
    using QSettingsStore::QSettingsStore;
    bool Save() override
    {
        ++saves;
        return false;
    }
    QString FileName() const override { return fileName; }
    QString fileName;
    int saves = 0;
};

TEST_F(SettingsTest, AFailedSaveIsReportedAndClosingGoesOn)
{
    struct Case {
        const char* file;
        std::string text;
    };
    for (const Case& each : { Case{ "",
                                  "Access to the Windows Registry failed and the current Tandem settings could not "
                                  "be saved." },
             Case{ "/home/u/.config/Tandem/Tandem.ini",
                 "Access to the settings file failed and the current Tandem "
                 "settings could not be saved.\r\n/home/u/.config/Tandem/Tandem.ini" } }) {
        ScriptedPrompt prompt;
        FailingStore store(file_);
        store.fileName = QLatin1String(each.file);
        window_ = std::make_unique<TestMain>(volumes_, Key("Program"));
        window_->show();
        window_->SetSettingsStore(&store);
        window_->close();
        EXPECT_FALSE(window_->isVisible());
        ASSERT_EQ(prompt.Shown().size(), 1u);
        EXPECT_EQ(prompt.Shown()[0].title, "For Information...");
        EXPECT_EQ(prompt.Shown()[0].text, each.text);
        // Closing again does not save twice.
        window_->show();
        window_->close();
        EXPECT_EQ(store.saves, 1);
    }
}

TEST_F(SettingsTest, AnIniFileWithAStrayLineSavesWithoutAlarmAndAnUnwritableOneIsNamed)
{
    const QString file = folder_.filePath(QStringLiteral("Stray.ini"));
    std::ofstream(file.toStdString()) << "[SETTINGS]\nTarget=2\nthis is no setting\n\x01\x02\n";
    {
        settings::QSettingsStore store(file);
        settings::LoadSettings(store, window_->SettingsControls());
        EXPECT_TRUE(window_->TargetOption[1]->isChecked());
        window_->TargetOption[2]->setChecked(true);
        ScriptedPrompt prompt;
        settings::SaveSettings(store, window_->SettingsControls());
        EXPECT_TRUE(prompt.Shown().empty());
    }
    EXPECT_EQ(settings::QSettingsStore(file).Read(QStringLiteral("SETTINGS"), QStringLiteral("Target"), QString()),
        QStringLiteral("3"));

    // A folder where the file should be can be neither read nor written.
    const QString blocked = folder_.filePath(QStringLiteral("Blocked.ini"));
    QDir().mkpath(blocked);
    settings::QSettingsStore store(blocked);
    ScriptedPrompt prompt;
    settings::SaveSettings(store, window_->SettingsControls());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_NE(QString::fromStdString(prompt.Shown()[0].text).indexOf(QStringLiteral("settings file")), -1);
    EXPECT_TRUE(QString::fromStdString(prompt.Shown()[0].text).endsWith(blocked));
}

// What the user left comes back in a fresh window; a key of no setting is
// cleared away.
TEST_F(SettingsTest, AnIniStoreKeepsTheValuesBetweenRuns)
{
    Store("Obsolete", QStringLiteral("x"));
    Pane(1).LastDir = Key("Sessions");
    Pane(2).LastDir = Key("Other");
    window_->TargetOption[1]->setChecked(true);
    window_->TargetTextBox->setText(Key("Other"));
    Pane(2).AutoRefreshCheck->setChecked(true);
    Pane(1).ScanSubfoldersCheck->setChecked(true);
    window_->NonEnglishCheck->setChecked(true);
    window_->LanguageList->setCurrentIndex(5);
    window_->PlacementOption[1]->setChecked(true);
    window_->GapTextBox->setText(QStringLiteral("1.5"));
    window_->AtTextBox->setText(QStringLiteral("1:02.5"));
    window_->ChooseTracksCheck->setChecked(true);
    window_->resize(window_->width() + 120, window_->height() + 80);
    const QSize size = window_->size();
    const double widths[2][4] = { { 4000, 2000, 1700, 1200 }, { 3000, 2500, 1650, 1400 } };
    for (int pane = 0; pane < 2; ++pane)
        for (int column = 0; column < 4; ++column)
            Pane(pane + 1).FileList->SetColumnWidthTwips(column, widths[pane][column]);
    settings::SaveSettings(store_, window_->SettingsControls());

    window_ = std::make_unique<TestMain>(volumes_, Key("Program"));
    window_->LanguageOptions().FillLanguageList();
    settings::QSettingsStore store(file_);
    settings::LoadSettings(store, window_->SettingsControls());
    EXPECT_EQ(store.Read(QStringLiteral("SETTINGS"), QStringLiteral("Obsolete"), QString()), QString());
    EXPECT_EQ(Pane(1).LastDir, Key("Sessions"));
    EXPECT_EQ(Pane(2).LastDir, Key("Other"));
    EXPECT_TRUE(window_->TargetOption[1]->isChecked());
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Other"));
    // Stored checks run their handlers.
    EXPECT_FALSE(Pane(1).AutoRefreshCheck->isChecked());
    EXPECT_TRUE(Pane(2).AutoRefreshCheck->isChecked());
    EXPECT_FALSE(Pane(2).RefreshNowButton->isEnabled());
    EXPECT_TRUE(Pane(1).ScanSubfoldersCheck->isChecked());
    EXPECT_FALSE(Pane(2).ScanSubfoldersCheck->isChecked());
    EXPECT_TRUE(window_->LanguageList->isEnabledTo(window_->ButtonFrame));
    EXPECT_EQ(window_->LanguageList->currentText(), QStringLiteral("Greek"));
    EXPECT_EQ(window_->size(), size);
    EXPECT_TRUE(window_->PlacementOption[1]->isChecked());
    EXPECT_EQ(window_->GapTextBox->text(), QStringLiteral("1.5"));
    EXPECT_EQ(window_->AtTextBox->text(), QStringLiteral("1:02.5"));
    EXPECT_TRUE(window_->ChooseTracksCheck->isChecked());
    // Each width comes back on its own column.
    window_->SetColumns();
    for (int pane = 0; pane < 2; ++pane)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(Pane(pane + 1).FileList->ColumnWidthTwips(column), widths[pane][column], 15)
                << pane << " " << column;
}

} // namespace
} // namespace tandem::test
