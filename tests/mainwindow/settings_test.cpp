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

#include <map>

namespace tandem::test {
namespace {

// A store in memory that notes every operation in order.
class RecordingStore : public settings::SettingsStore {
public:
    QString Read(const QString& section, const QString& key, const QString& defaultValue) const override
    {
        const auto found = values.find(section + '/' + key);
        return found == values.end() ? defaultValue : found->second;
    }
    void Write(const QString& section, const QString& key, const QString& value) override
    {
        values[section + '/' + key] = value;
        operations.push_back(section + '/' + key);
    }
    void DeleteSection(const QString& section) override
    {
        for (auto it = values.begin(); it != values.end();)
            it = it->first.startsWith(section + '/') ? values.erase(it) : std::next(it);
        operations.push_back(QStringLiteral("delete ") + section);
    }
    bool Save() override
    {
        ++saves;
        return saveSucceeds;
    }
    QString FileName() const override { return fileName; }

    std::map<QString, QString> values;
    std::vector<QString> operations;
    int saves = 0;
    bool saveSucceeds = true;
    QString fileName;
};

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
        store_.values[section + '/' + name] = value;
    }

    RecordingStore store_;
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
    EXPECT_EQ(store_.values[QStringLiteral("SETTINGS/Language")], QStringLiteral("-1"));
}

TEST_F(SettingsTest, AMissingTargetFolderBecomesTheProgramFolder)
{
    Store("TargDir", Key("Deleted"));
    Load();
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Program"));
    Store("TargDir", Key("Other"));
    Load();
    EXPECT_EQ(window_->TargetTextBox->text(), Key("Other"));
}

TEST_F(SettingsTest, StoredChecksRunTheirHandlers)
{
    Store("AutoRefresh2", QStringLiteral("1"));
    Store("NonEnglish", QStringLiteral("1"));
    Store("Language", QStringLiteral("5"));
    Load();
    EXPECT_TRUE(Pane(2).AutoRefreshCheck->isChecked());
    EXPECT_FALSE(Pane(2).RefreshNowButton->isEnabled());
    EXPECT_TRUE(window_->NonEnglishCheck->isChecked());
    EXPECT_TRUE(window_->LanguageList->isEnabledTo(window_->ButtonFrame));
    EXPECT_EQ(window_->LanguageList->currentText(), QStringLiteral("Greek"));
}

TEST_F(SettingsTest, SavingClearsTheSectionsThenWritesEveryKeyInOrder)
{
    store_.values[QStringLiteral("SETTINGS/Obsolete")] = QStringLiteral("x");
    Load();
    store_.operations.clear();
    settings::SaveSettings(store_, window_->SettingsControls());
    const std::vector<QString> expected = { "delete WINDOW", "delete PATHS", "delete SETTINGS", "WINDOW/Top",
        "WINDOW/Left", "WINDOW/Width", "WINDOW/Height", "PATHS/LastDir1", "PATHS/LastDir2", "PATHS/TargDir",
        "SETTINGS/Target", "SETTINGS/AutoRefresh1", "SETTINGS/AutoRefresh2", "SETTINGS/ScanSubfolders1",
        "SETTINGS/ScanSubfolders2", "SETTINGS/Language", "SETTINGS/ColWidthFolder1", "SETTINGS/ColWidthFile1",
        "SETTINGS/ColWidthCreated1", "SETTINGS/ColWidthBytes1", "SETTINGS/ColWidthFolder2", "SETTINGS/ColWidthFile2",
        "SETTINGS/ColWidthCreated2", "SETTINGS/ColWidthBytes2", "SETTINGS/NonEnglish", "SETTINGS/Placement",
        "SETTINGS/PlacementGap", "SETTINGS/PlacementAt", "SETTINGS/ChooseTracks" };
    EXPECT_EQ(store_.operations, expected);
    EXPECT_EQ(store_.values.count(QStringLiteral("SETTINGS/Obsolete")), 0u);
    EXPECT_EQ(store_.saves, 1);
}

TEST_F(SettingsTest, ColumnWidthsComeBackOnTheirOwnColumns)
{
    const double widths[2][4] = { { 4000, 2000, 1700, 1200 }, { 3000, 2500, 1650, 1400 } };
    for (int pane = 0; pane < 2; ++pane)
        for (int column = 0; column < 4; ++column)
            Pane(pane + 1).FileList->SetColumnWidthTwips(column, widths[pane][column]);
    settings::SaveSettings(store_, window_->SettingsControls());
    for (int pane = 1; pane <= 2; ++pane)
        for (int column = 0; column < 4; ++column)
            Pane(pane).FileList->SetColumnWidthTwips(column, 1000);
    Load();
    window_->SetColumns();
    for (int pane = 0; pane < 2; ++pane)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(Pane(pane + 1).FileList->ColumnWidthTwips(column), widths[pane][column], 15)
                << pane << " " << column;
}

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
        RecordingStore store;
        store.saveSucceeds = false;
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
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tandem.ini"));
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
    const QString blocked = folder.filePath(QStringLiteral("Blocked.ini"));
    QDir().mkpath(blocked);
    settings::QSettingsStore store(blocked);
    ScriptedPrompt prompt;
    settings::SaveSettings(store, window_->SettingsControls());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_NE(QString::fromStdString(prompt.Shown()[0].text).indexOf(QStringLiteral("settings file")), -1);
    EXPECT_TRUE(QString::fromStdString(prompt.Shown()[0].text).endsWith(blocked));
}

TEST_F(SettingsTest, AnIniStoreKeepsTheValuesBetweenRuns)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Tandem.ini"));
    Pane(1).LastDir = Key("Sessions");
    window_->TargetOption[1]->setChecked(true);
    Pane(2).ScanSubfoldersCheck->setChecked(true);
    window_->PlacementOption[1]->setChecked(true);
    window_->GapTextBox->setText(QStringLiteral("1.5"));
    window_->AtTextBox->setText(QStringLiteral("1:02.5"));
    window_->ChooseTracksCheck->setChecked(true);
    window_->resize(window_->width() + 120, window_->height() + 80);
    const QSize size = window_->size();
    {
        settings::QSettingsStore store(file);
        settings::SaveSettings(store, window_->SettingsControls());
    }
    window_->resize(size - QSize(200, 100));
    Pane(1).LastDir.clear();
    window_->TargetOption[0]->setChecked(true);
    Pane(2).ScanSubfoldersCheck->setChecked(false);
    window_->PlacementOption[2]->setChecked(true);
    window_->GapTextBox->clear();
    window_->AtTextBox->clear();
    window_->ChooseTracksCheck->setChecked(false);
    settings::QSettingsStore store(file);
    settings::LoadSettings(store, window_->SettingsControls());
    EXPECT_EQ(Pane(1).LastDir, Key("Sessions"));
    EXPECT_TRUE(window_->TargetOption[1]->isChecked());
    EXPECT_TRUE(Pane(2).ScanSubfoldersCheck->isChecked());
    EXPECT_EQ(window_->size(), size);
    EXPECT_TRUE(window_->PlacementOption[1]->isChecked());
    EXPECT_EQ(window_->GapTextBox->text(), QStringLiteral("1.5"));
    EXPECT_EQ(window_->AtTextBox->text(), QStringLiteral("1:02.5"));
    EXPECT_TRUE(window_->ChooseTracksCheck->isChecked());
    EXPECT_EQ(
        store.Read(QStringLiteral("SETTINGS"), QStringLiteral("ScanSubfolders2"), QString()), QStringLiteral("1"));
}

} // namespace
} // namespace tandem::test
