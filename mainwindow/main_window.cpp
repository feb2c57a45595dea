#include "main_window.h"

#include "about.h"
#include "application_icon.h"
#include "caption.h"
#include "main_layout.h"

#include "combine_command.h"
#include "language_options.h"
#include "settings_store.h"
#include "target_choice.h"

#include "dirtree.h"
#include "file_list.h"
#include "pane.h"
#include "tandem_version.h"
#include "twips.h"
#include "volumes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace tandem::mainwindow {

const char* const WebPageAddress = "https://github.com/tandem-sessions/tandem";
const QString Main::ApplicationName = QStringLiteral("Tandem");

namespace {

constexpr double minimumFolderColumn = 315; // twips

int pixels(double twips, const QWidget& widget, bool vertical = false)
{
    return static_cast<int>(dirtree::PixelsFromTwips(twips, widget, vertical) + 0.5);
}

void place(QWidget* control, const Placement& at)
{
    control->setGeometry(pixels(at.left, *control), pixels(at.top, *control, true), pixels(at.width, *control),
        pixels(at.height, *control, true));
}

// The frames and the two big buttons are bold, in the font the window was
// designed with where the system has it.
QFont boldFont()
{
    QFont font = QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))
        ? QFont(QStringLiteral("MS Sans Serif"))
        : QApplication::font();
    if (font.family() == QLatin1String("MS Sans Serif"))
        font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

} // namespace

Main::Main(QWidget* parent)
    : Main(platform::SystemVolumes(), parent)
{
}

Main::Main(const platform::Volumes& volumes, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Main"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(MainCaption(ApplicationName, TANDEM_VERSION_MAJOR, TANDEM_VERSION_MINOR, TANDEM_VERSION_PATCH));
    setWindowIcon(ApplicationIcon());
    createMenus();
    createControls(volumes);
    placeControls();
    applyFonts();
    // Esc anywhere in the window, whichever control has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &Main::Exit);
    SetConvertButton();
}

Main::~Main() = default;

void Main::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFileMain"));
    mnuFileExit = file->addAction(QStringLiteral("E&xit"), this, &Main::Exit);
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->setObjectName(QStringLiteral("mnuWindowMain"));
    mnuWindowCentre = window->addAction(QStringLiteral("&Centre"), this, &Main::Centre);
    mnuWindowCentre->setObjectName(QStringLiteral("mnuWindowCentre"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMain"));
    mnuHelpDonate = help->addAction(QStringLiteral("&Donate"), this, &Main::mnuHelpDonate_Click);
    mnuHelpDonate->setObjectName(QStringLiteral("mnuHelpDonate"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpDummy0"));
    mnuHelpAbout = help->addAction(QStringLiteral("&About"), this, &Main::ShowAbout);
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
}

void Main::createControls(const platform::Volumes& volumes)
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    MainFrame = new QGroupBox(QStringLiteral("SESX Files"), client);
    MainFrame->setObjectName(QStringLiteral("MainFrame"));
    for (int index = 1; index <= 2; ++index) {
        auto* pane = new panes::Pane(index, MainFrame, *this, volumes, listFormats_);
        panes_[static_cast<std::size_t>(index - 1)] = pane;
        connect(pane->FileList, &panes::FileList::ChecksChanged, this, &Main::SetConvertButton);
        connect(pane->FileList, &panes::FileList::MouseMoved, this, &Main::SetFolderColMinWidth);
    }

    ConvertButton = new QPushButton(QStringLiteral("&Combine"), MainFrame);
    ConvertButton->setObjectName(QStringLiteral("ConvertButton"));
    ExitButton = new QPushButton(QStringLiteral("E&xit"), MainFrame);
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    connect(ExitButton, &QPushButton::clicked, this, &Main::Exit);

    connect(ConvertButton, &QPushButton::clicked, this, &Main::ConvertButtonClick);

    TargetOptionsFrame = new QGroupBox(QStringLiteral("Create Combination File in..."), MainFrame);
    TargetOptionsFrame->setObjectName(QStringLiteral("TargetOptionsFrame"));
    targetChoice_ =
        new combine::TargetChoice(TargetOptionsFrame, [this](int pane) { return GetSelectedFilePath(pane); });
    TargetOption = targetChoice_->TargetOption;
    TargetTextBox = targetChoice_->TargetTextBox;
    FileButton = targetChoice_->FileButton;

    // Enabled by the first scan that ends.
    ButtonFrame = new QGroupBox(QStringLiteral("Language Options"), client);
    ButtonFrame->setObjectName(QStringLiteral("ButtonFrame"));
    ButtonFrame->setEnabled(false);
    languageOptions_ = new language::LanguageOptions(ButtonFrame);
    NonEnglishCheck = languageOptions_->NonEnglishCheck;
    LanguageList = languageOptions_->LanguageList;
    ButtonFrame->raise();
}

bool Main::captionsFit() const
{
    for (const QAbstractButton* button : centralWidget()->findChildren<QAbstractButton*>()) {
        if (button == ConvertButton || button == ExitButton || button->text().isEmpty())
            continue;
        // Push buttons ask for more room than their caption needs.
        const int needed = qobject_cast<const QPushButton*>(button)
            ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 6
            : button->sizeHint().width();
        if (needed > button->width())
            return false;
    }
    return true;
}

void Main::applyFonts()
{
    // Only the frames' captions and the two big buttons are bold, not what
    // the frames hold.
    const QFont bold = boldFont();
    QFont normal = QApplication::font();
    // Set every attribute, or the controls would take the frames' boldness.
    normal.setFamily(normal.family());
    normal.setBold(false);
    normal.setItalic(false);
    // The window was laid out for a small font: where the system's is wider,
    // the controls get a smaller size of it so that no caption is cut.
    const double largest = normal.pointSizeF() > 0 ? normal.pointSizeF() : 9.0;
    for (double size = largest; size >= 6.0; size -= 0.5) {
        normal.setPointSizeF(size);
        for (QWidget* control : centralWidget()->findChildren<QWidget*>()) {
            const bool captioned =
                qobject_cast<QGroupBox*>(control) || control == ConvertButton || control == ExitButton;
            control->setFont(captioned ? bold : normal);
        }
        if (captionsFit())
            break;
    }
}

void Main::placeControls()
{
    QWidget* client = centralWidget();
    client->setFixedSize(pixels(Layout::ClientWidth, *this), pixels(Layout::ClientHeight, *this, true));
    place(MainFrame, Layout::MainFrame);
    for (std::size_t i = 0; i < 2; ++i) {
        panes::Pane& pane = *panes_[i];
        place(pane.FolderFrame, Layout::FolderFrame[i]);
        place(pane.FolderTree, Layout::FolderTree[i]);
        place(pane.AutoRefreshCheck, Layout::AutoRefreshCheck[i]);
        place(pane.ScanSubfoldersCheck, Layout::ScanSubfoldersCheck[i]);
        place(pane.RefreshNowButton, Layout::RefreshNowButton[i]);
        place(pane.FileFrame, Layout::FileFrame[i]);
        place(pane.FileList, Layout::FileList[i]);
    }
    place(ConvertButton, Layout::ConvertButton);
    place(ExitButton, Layout::ExitButton);
    place(TargetOptionsFrame, Layout::TargetOptionsFrame);
    for (std::size_t i = 0; i < 3; ++i)
        place(TargetOption[i], Layout::TargetOption[i]);
    place(TargetTextBox, Layout::TargetTextBox);
    place(FileButton, Layout::FileButton);
    place(ButtonFrame, Layout::ButtonFrame);
    place(NonEnglishCheck, Layout::NonEnglishCheck);
    place(LanguageList, Layout::LanguageList);
    // The user cannot resize the window: the client area plus the menus.
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
}

QString Main::GetSelectedFilePath(int index) const { return Pane(index).FileList->GetSelectedFilePath(); }

void Main::SetConvertButton()
{
    ConvertButton->setEnabled(Pane(1).FileList->CheckCountNum() == 1 && Pane(2).FileList->CheckCountNum() == 1);
}

void Main::SetScanning(bool scanning)
{
    MainFrame->setEnabled(!scanning);
    ButtonFrame->setEnabled(!scanning);
}

QString Main::ProgramFolder() const
{
    // Qt writes "/" on every system; the trees' keys, the settings and
    // Windows users expect "\".
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void Main::SetFolderColMinWidth()
{
    for (const panes::Pane* pane : panes_) {
        panes::FileList& list = *pane->FileList;
        const int folder = list.ColumnOfKey(QStringLiteral("Folder"));
        if (list.ColumnWidthTwips(folder) < minimumFolderColumn)
            list.SetColumnWidthTwips(folder, minimumFolderColumn);
    }
}

void Main::SelectAllText()
{
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        edit->selectAll();
    QApplication::processEvents();
}

void Main::UnloadAllForms()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->close();
}

void Main::Exit() { close(); }

void Main::closeEvent(QCloseEvent* event)
{
    // However the window closes, the settings are saved once.
    if (settingsStore_ && !settingsSaved_) {
        settingsSaved_ = true;
        settings::SaveSettings(*settingsStore_, SettingsControls());
    }
    QMainWindow::closeEvent(event);
}

settings::SettingsControls Main::SettingsControls()
{
    settings::SettingsControls controls;
    controls.window = this;
    controls.lastDir = { &Pane(1).LastDir, &Pane(2).LastDir };
    controls.targetOption = TargetOption;
    controls.targetTextBox = TargetTextBox;
    controls.autoRefresh = { Pane(1).AutoRefreshCheck, Pane(2).AutoRefreshCheck };
    controls.scanSubfolders = { Pane(1).ScanSubfoldersCheck, Pane(2).ScanSubfoldersCheck };
    controls.languageList = LanguageList;
    controls.nonEnglish = NonEnglishCheck;
    controls.columnWidths = &ColumnWidths;
    controls.fileLists = { Pane(1).FileList, Pane(2).FileList };
    controls.programFolder = ProgramFolder();
    return controls;
}

void Main::SetColumns()
{
    static const QString keys[4] = { QStringLiteral("Folder"), QStringLiteral("File"), QStringLiteral("Created"),
        QStringLiteral("Bytes") };
    for (std::size_t pane = 0; pane < 2; ++pane) {
        panes::FileList& list = *panes_[pane]->FileList;
        for (std::size_t column = 0; column < 4; ++column)
            list.SetColumnWidthTwips(list.ColumnOfKey(keys[column]), ColumnWidths[pane][column]);
    }
    SetFolderColMinWidth();
}

void Main::ConvertButtonClick()
{
    const QString target = combine::TargetFolder(
        targetChoice_->Choice(), GetSelectedFilePath(1), GetSelectedFilePath(2), TargetTextBox->text());
    combine::CombineSessions(Pane(1).FileList->CheckedKey(), Pane(2).FileList->CheckedKey(), target);
}

void Main::Centre()
{
    const QRect screen = (this->screen() ? this->screen() : QApplication::primaryScreen())->geometry();
    const QRect frame = frameGeometry();
    move(screen.left() + (screen.width() - frame.width()) / 2, screen.top() + (screen.height() - frame.height()) / 2);
}

void Main::ShowAbout()
{
    About about(
        windowIcon(), [this] { mnuHelpDonate_Click(); }, this);
    about.exec();
}

void Main::mnuHelpDonate_Click() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebPageAddress))); }

} // namespace tandem::mainwindow
