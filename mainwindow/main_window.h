#pragma once

#include "list_formats.h"
#include "pane_host.h"
#include "settings_io.h"
#include "web_page.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tandem::platform {
class Volumes;
}

namespace tandem::panes {
class Pane;
}

namespace tandem::combine {
class PlacementChoice;
class TargetChoice;
} // namespace tandem::combine

namespace tandem::language {
class LanguageOptions;
}

namespace tandem::settings {
class SettingsStore;
}

namespace tandem::mainwindow {

// Main: the program's one working window. It holds both panes, the combine
// controls and the language options, placed as designed at the designed
// size; a larger window gives its room to the trees and lists, a smaller one
// shrinks everything alike. Sessions and folders can be dropped on it.
class Main : public QMainWindow, public panes::PaneHost {
    Q_OBJECT
public:
    static const QString ApplicationName;

    // `volumes` supplies the folder trees' drives (the system's by default).
    explicit Main(QWidget* parent = nullptr);
    explicit Main(const platform::Volumes& volumes, QWidget* parent = nullptr);
    ~Main() override;

    panes::Pane& Pane(int index) const { return *panes_[static_cast<std::size_t>(index - 1)]; }
    const panes::ListFormats& ListFormats() const { return listFormats_; }
    combine::TargetChoice& TargetChoice() const { return *targetChoice_; }
    language::LanguageOptions& LanguageOptions() const { return *languageOptions_; }

    // The stored column widths, applied by SetColumns.
    settings::ColumnWidths ColumnWidths{};
    // Where the settings are saved when the window closes; none by default.
    void SetSettingsStore(settings::SettingsStore* store) { settingsStore_ = store; }
    // The window's parts that the settings fill and save.
    settings::SettingsControls SettingsControls();
    // Applies ColumnWidths to both lists, each column by its name.
    void SetColumns();
    // The Combine button: File 1 and File 2 from the checked entries, the
    // target folder from the choice, File 2's place and tracks as chosen.
    void ConvertButtonClick();

    QGroupBox* MainFrame;
    QPushButton* ConvertButton;
    QPushButton* ExitButton;
    // Shown over the Exit button while a scan runs, to stop it.
    QPushButton* CancelButton;
    QGroupBox* TargetOptionsFrame;
    std::array<QRadioButton*, 3> TargetOption{};
    QLineEdit* TargetTextBox;
    QToolButton* FileButton;
    // "Place File 2": where File 2 goes in time.
    QGroupBox* PlacementFrame;
    std::array<QRadioButton*, 3> PlacementOption{};
    QLineEdit* GapTextBox;
    QLineEdit* AtTextBox;
    // Asks for File 2's tracks once the combine is confirmed.
    QCheckBox* ChooseTracksCheck;
    QGroupBox* ButtonFrame;
    QCheckBox* NonEnglishCheck;
    QComboBox* LanguageList;

    QAction* mnuFileExit;
    QAction* mnuWindowCentre;
    QAction* mnuHelpDonate;
    QAction* mnuHelpAbout;

    // The folder of the entry checked in pane `index`, or empty.
    QString GetSelectedFilePath(int index) const;
    // Keeps each list's Folder column at least 315 twips wide.
    void SetFolderColMinWidth();
    // Selects the whole text of the control that has the focus.
    void SelectAllText();
    // Closes every open window, one after the other.
    static void UnloadAllForms();
    // The window's exit command (File > Exit, the Exit button, Esc).
    void Exit();
    // Moves the window to the middle of the screen; a window larger than
    // the screen ends partly off it.
    void Centre();
    void mnuHelpDonate_Click();
    // Help > About: the About box, modal.
    void ShowAbout();
    // F1: how to use the window, in the browser.
    void ShowHelp();
    // True once the window has been closed (by any route).
    bool Closed() const { return closed_; }
    // Esc: stops a running scan, else the exit command.
    void EscapePressed();
    // Opens sessions given on the command line, by a later start or by a
    // drop: the first in pane 1 and the second in pane 2, each ticked.
    void OpenSessions(const QStringList& paths);

    // What the panes ask of the window.
    void SetConvertButton() override;
    void SetScanning(bool scanning) override;
    QString WindowTitle() const override { return windowTitle(); }
    void SetWindowTitle(const QString& title) override { setWindowTitle(title); }
    QString ApplicationTitle() const override { return ApplicationName; }
    QString ProgramFolder() const override;
    bool ScanCancelled() const override { return scanCancelled_; }

private:
    void createControls(const platform::Volumes& volumes);
    void createMenus();
    void nameForScreenReaders();
    void placeControls();
    void applyFonts(double scale);
    // The buttons whose captions must fit at the window's font size.
    QList<QAbstractButton*> captionedButtons() const;
    static bool captionsFit(const QList<QAbstractButton*>& buttons);
    int paneAt(const QPoint& position) const;
    // What a drop of `paths` on pane `pane` does (0: not on a pane).
    void drop(const QStringList& paths, int pane);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    panes::ListFormats listFormats_;
    std::array<panes::Pane*, 2> panes_{};
    combine::TargetChoice* targetChoice_ = nullptr;
    combine::PlacementChoice* placementChoice_ = nullptr;
    language::LanguageOptions* languageOptions_ = nullptr;
    settings::SettingsStore* settingsStore_ = nullptr;
    bool settingsSaved_ = false;
    bool closed_ = false;
    bool scanning_ = false;
    bool scanCancelled_ = false;
    double fontScale_ = 0;
};

} // namespace tandem::mainwindow
