#include "settings_io.h"

#include "settings_store.h"

#include "file_list.h"
#include "placement_time.h"
#include "twips.h"

#include "file_system.h"
#include "prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QWidget>

namespace tandem::settings {

namespace {

const QString window = QStringLiteral("WINDOW");
const QString paths = QStringLiteral("PATHS");
const QString options = QStringLiteral("SETTINGS");

constexpr int lastLanguage = 11;
constexpr std::array<double, 4> defaultWidths = { 3350, 2880, 1800, 1500 };
const std::array<QString, 4> columnKeys = { QStringLiteral("Folder"), QStringLiteral("File"), QStringLiteral("Created"),
    QStringLiteral("Bytes") };

QString paneKey(const char* name, int pane) { return QLatin1String(name) + QString::number(pane); }

int readInt(const SettingsStore& store, const QString& section, const QString& key, int defaultValue)
{
    bool ok = false;
    const int value = store.Read(section, key, QString::number(defaultValue)).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

// Positions and widths are numbers in the user's own format.
double readTwips(const SettingsStore& store, const QString& section, const QString& key, double defaultValue)
{
    const QString text = store.Read(section, key, QString()).trimmed();
    bool ok = false;
    double value = QLocale::system().toDouble(text, &ok);
    if (!ok)
        value = QLocale::c().toDouble(text, &ok);
    return ok ? value : defaultValue;
}

QString twipsText(double twips)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(static_cast<float>(twips)), 'g', 7);
}

int pixelsFromTwips(double twips, const QWidget& widget, bool vertical)
{
    return static_cast<int>(dirtree::PixelsFromTwips(twips, widget, vertical) + 0.5);
}

QString checkText(const QCheckBox* box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

void LoadSettings(const SettingsStore& store, const SettingsControls& controls)
{
    QWidget& main = *controls.window;
    main.move(pixelsFromTwips(readTwips(store, window, QStringLiteral("Left"), 0), main, false),
        pixelsFromTwips(readTwips(store, window, QStringLiteral("Top"), 0), main, true));
    // Settings of older versions have no size: the window keeps its own.
    const double width = readTwips(store, window, QStringLiteral("Width"), 0);
    const double height = readTwips(store, window, QStringLiteral("Height"), 0);
    if (width > 0 && height > 0)
        main.resize(pixelsFromTwips(width, main, false), pixelsFromTwips(height, main, true));

    for (int pane = 1; pane <= 2; ++pane)
        *controls.lastDir[static_cast<std::size_t>(pane - 1)] =
            store.Read(paths, paneKey("LastDir", pane), controls.programFolder);
    QString targetFolder = store.Read(paths, QStringLiteral("TargDir"), controls.programFolder);

    int target = readInt(store, options, QStringLiteral("Target"), 1);
    if (target < 1 || target > 3)
        target = 1;
    controls.targetOption[static_cast<std::size_t>(target - 1)]->setChecked(true);

    for (int pane = 1; pane <= 2; ++pane)
        controls.autoRefresh[static_cast<std::size_t>(pane - 1)]->setChecked(
            readInt(store, options, paneKey("AutoRefresh", pane), 0) == 1);
    for (int pane = 1; pane <= 2; ++pane)
        controls.scanSubfolders[static_cast<std::size_t>(pane - 1)]->setChecked(
            readInt(store, options, paneKey("ScanSubfolders", pane), 0) == 1);

    int language = readInt(store, options, QStringLiteral("Language"), 0);
    if (language > lastLanguage)
        language = 0;
    controls.languageList->setCurrentIndex(language < 0 ? -1 : language);

    if (!platform::FolderExists(targetFolder.toStdString()))
        targetFolder = controls.programFolder;
    controls.targetTextBox->setText(targetFolder);

    for (int pane = 1; pane <= 2; ++pane)
        for (std::size_t column = 0; column < columnKeys.size(); ++column)
            (*controls.columnWidths)[static_cast<std::size_t>(pane - 1)][column] = readTwips(store, options,
                QStringLiteral("ColWidth") + columnKeys[column] + QString::number(pane), defaultWidths[column]);

    controls.nonEnglish->setChecked(readInt(store, options, QStringLiteral("NonEnglish"), 0) == 1);

    int placement = readInt(store, options, QStringLiteral("Placement"), 1);
    if (placement < 1 || placement > 3)
        placement = 1;
    controls.placementOption[static_cast<std::size_t>(placement - 1)]->setChecked(true);
    // A gap or time that is none gives way to the default, as the box would
    // refuse it.
    const QString gap = store.Read(options, QStringLiteral("PlacementGap"), QStringLiteral("0")).trimmed();
    controls.gapTextBox->setText(
        gap.isEmpty() || engine::ParseGapSeconds(gap.toStdString()) ? gap : QStringLiteral("0"));
    const QString at = store.Read(options, QStringLiteral("PlacementAt"), QString()).trimmed();
    controls.atTextBox->setText(engine::ParsePlacementTime(at.toStdString()) ? at : QString());
    controls.chooseTracks->setChecked(readInt(store, options, QStringLiteral("ChooseTracks"), 0) == 1);
}

void SaveSettings(SettingsStore& store, const SettingsControls& controls)
{
    for (const QString& section : { window, paths, options })
        store.DeleteSection(section);

    const QWidget& main = *controls.window;
    store.Write(window, QStringLiteral("Top"), twipsText(dirtree::TwipsFromPixels(main.y(), main, true)));
    store.Write(window, QStringLiteral("Left"), twipsText(dirtree::TwipsFromPixels(main.x(), main, false)));
    // A maximised window keeps the size it comes back to.
    const QSize size = main.isMaximized() ? main.normalGeometry().size() : main.size();
    store.Write(window, QStringLiteral("Width"), twipsText(dirtree::TwipsFromPixels(size.width(), main, false)));
    store.Write(window, QStringLiteral("Height"), twipsText(dirtree::TwipsFromPixels(size.height(), main, true)));
    for (int pane = 1; pane <= 2; ++pane)
        store.Write(paths, paneKey("LastDir", pane), *controls.lastDir[static_cast<std::size_t>(pane - 1)]);
    store.Write(paths, QStringLiteral("TargDir"), controls.targetTextBox->text().trimmed());

    const int target = controls.targetOption[0]->isChecked() ? 1 : controls.targetOption[1]->isChecked() ? 2 : 3;
    store.Write(options, QStringLiteral("Target"), QString::number(target));
    for (int pane = 1; pane <= 2; ++pane)
        store.Write(
            options, paneKey("AutoRefresh", pane), checkText(controls.autoRefresh[static_cast<std::size_t>(pane - 1)]));
    for (int pane = 1; pane <= 2; ++pane)
        store.Write(options, paneKey("ScanSubfolders", pane),
            checkText(controls.scanSubfolders[static_cast<std::size_t>(pane - 1)]));
    store.Write(options, QStringLiteral("Language"), QString::number(controls.languageList->currentIndex()));
    for (int pane = 1; pane <= 2; ++pane) {
        const panes::FileList& list = *controls.fileLists[static_cast<std::size_t>(pane - 1)];
        for (const QString& column : columnKeys)
            store.Write(options, QStringLiteral("ColWidth") + column + QString::number(pane),
                twipsText(list.ColumnWidthTwips(list.ColumnOfKey(column))));
    }
    store.Write(options, QStringLiteral("NonEnglish"), checkText(controls.nonEnglish));
    const int placement = controls.placementOption[1]->isChecked() ? 2
        : controls.placementOption[2]->isChecked()                 ? 3
                                                                   : 1;
    store.Write(options, QStringLiteral("Placement"), QString::number(placement));
    store.Write(options, QStringLiteral("PlacementGap"), controls.gapTextBox->text().trimmed());
    store.Write(options, QStringLiteral("PlacementAt"), controls.atTextBox->text().trimmed());
    store.Write(options, QStringLiteral("ChooseTracks"), checkText(controls.chooseTracks));

    if (!store.Save()) {
        platform::Message message;
        message.icon = platform::Message::Icon::Information;
        message.title = "For Information...";
        const QString file = store.FileName();
        message.text = file.isEmpty()
            ? "Access to the Windows Registry failed and the current Tandem settings could not be saved."
            : (QStringLiteral("Access to the settings file failed and the current Tandem settings could not be "
                              "saved.\r\n") +
                  file)
                  .toStdString();
        platform::CurrentPrompt().Show(message);
    }
}

} // namespace tandem::settings
