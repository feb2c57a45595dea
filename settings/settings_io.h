#pragma once

#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace tandem::panes {
class FileList;
}

namespace tandem::settings {

class SettingsStore;

// Column widths in twips per pane, in list order: Folder, File, Created,
// Bytes.
using ColumnWidths = std::array<std::array<double, 4>, 2>;

// The window's parts that the settings fill and save. Setting a control
// runs its handler, as a user's click would.
struct SettingsControls {
    QWidget* window = nullptr;
    std::array<QString*, 2> lastDir{};
    std::array<QRadioButton*, 3> targetOption{};
    QLineEdit* targetTextBox = nullptr;
    std::array<QCheckBox*, 2> autoRefresh{};
    std::array<QCheckBox*, 2> scanSubfolders{};
    QComboBox* languageList = nullptr;
    QCheckBox* nonEnglish = nullptr;
    // Where File 2 goes in time: As recorded, After File 1 (with the gap
    // box), At (with the time box); and whether its tracks are picked.
    std::array<QRadioButton*, 3> placementOption{};
    QLineEdit* gapTextBox = nullptr;
    QLineEdit* atTextBox = nullptr;
    QCheckBox* chooseTracks = nullptr;
    ColumnWidths* columnWidths = nullptr;
    std::array<panes::FileList*, 2> fileLists{};
    // Where the program lives: the default for every folder setting.
    QString programFolder;
};

// Restores the window from the store, in an order that matters: each value
// set runs its control's handler.
void LoadSettings(const SettingsStore& store, const SettingsControls& controls);

// Clears the store's sections and writes every value again, so that no key
// this version does not write stays behind. A failure is reported and
// closing goes on.
void SaveSettings(SettingsStore& store, const SettingsControls& controls);

} // namespace tandem::settings
