#pragma once

#include "list_formats.h"
#include "pane_host.h"

#include <QMainWindow>

#include <array>
#include <memory>

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

namespace tandem::mainwindow {

// The product's web page, opened by Help > Donate and the About box.
extern const char* const WebPageAddress;

// Main: the program's one working window. It holds both panes, the combine
// controls and the language options, at fixed places in a window the user
// cannot resize.
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

    QGroupBox* MainFrame;
    QPushButton* ConvertButton;
    QPushButton* ExitButton;
    QGroupBox* TargetOptionsFrame;
    std::array<QRadioButton*, 3> TargetOption{};
    QLineEdit* TargetTextBox;
    QToolButton* FileButton;
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

    // What the panes ask of the window.
    void SetConvertButton() override;
    void SetScanning(bool scanning) override;
    QString WindowTitle() const override { return windowTitle(); }
    void SetWindowTitle(const QString& title) override { setWindowTitle(title); }
    QString ApplicationTitle() const override { return ApplicationName; }
    QString ProgramFolder() const override;

private:
    void createControls(const platform::Volumes& volumes);
    void createMenus();
    void placeControls();
    void applyFonts();
    bool captionsFit() const;

    panes::ListFormats listFormats_;
    std::array<panes::Pane*, 2> panes_{};
};

} // namespace tandem::mainwindow
