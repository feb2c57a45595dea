#include "main_window.h"

#include "about.h"
#include "application_icon.h"
#include "caption.h"
#include "main_layout.h"

#include "combine_command.h"
#include "language_options.h"
#include "placement_choice.h"
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
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tandem::mainwindow {

const char* const WebPageAddress = "https://github.com/tandem-sessions/tandem";
const char* const HelpPageAddress = "https://github.com/tandem-sessions/tandem#the-program";
const QString Main::ApplicationName = QStringLiteral("Tandem");

namespace {

constexpr double minimumFolderColumn = 315; // twips
constexpr int laterMilliseconds = 100;

// How the window's size differs from the designed one: everything is
// scaled by `scale` (1 unless the window is smaller than designed), then
// the room left over is shared out.
struct Room {
    double scale;
    double extraWidth;
    double extraHeight;
};

void place(QWidget* control, const Placement& at, const Room& room)
{
    const auto scaled = [&](double twips, bool vertical) {
        return dirtree::PixelsFromTwips(twips, *control, vertical) * room.scale;
    };
    control->setGeometry(qRound(scaled(at.left, false) + at.moveX * room.extraWidth),
        qRound(scaled(at.top, true) + at.moveY * room.extraHeight),
        qRound(scaled(at.width, false) + at.growX * room.extraWidth),
        qRound(scaled(at.height, true) + at.growY * room.extraHeight));
}

// Paths that a drop brings: local folders and session files only.
QStringList droppedPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && (file.isDir() || file.suffix().toLower() == QLatin1String("sesx")))
            paths.push_back(file.absoluteFilePath());
    }
    return paths;
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
    setWindowTitle(MainCaption(ApplicationName, TANDEM_VERSION_MAJOR, TANDEM_VERSION_MINOR, TANDEM_VERSION_PATCH));
    setAcceptDrops(true);
    createMenus();
    createControls(volumes);
    nameForScreenReaders();
    QWidget* client = centralWidget();
    const QSize designed(qRound(dirtree::PixelsFromTwips(Layout::ClientWidth, *client)),
        qRound(dirtree::PixelsFromTwips(Layout::ClientHeight, *client, true)));
    client->setMinimumSize(designed * Layout::SmallestScale);
    client->installEventFilter(this);
    resize(designed.width(), designed.height() + menuBar()->sizeHint().height());
    // The controls are placed when the window first shows, at the size it
    // then has: a window that start-up fits to a smaller screen, or gives
    // its remembered size, is laid out once rather than twice.
    client->resize(designed);
    // Esc anywhere in the window, whichever control has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &Main::EscapePressed);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &Main::ShowHelp);
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
    CancelButton = new QPushButton(QStringLiteral("Cancel"), client);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->hide();
    connect(CancelButton, &QPushButton::clicked, this, [this] { scanCancelled_ = true; });

    connect(ConvertButton, &QPushButton::clicked, this, &Main::ConvertButtonClick);

    TargetOptionsFrame = new QGroupBox(QStringLiteral("Create Combination File in..."), MainFrame);
    TargetOptionsFrame->setObjectName(QStringLiteral("TargetOptionsFrame"));
    targetChoice_ =
        new combine::TargetChoice(TargetOptionsFrame, [this](int pane) { return GetSelectedFilePath(pane); });
    TargetOption = targetChoice_->TargetOption;
    TargetTextBox = targetChoice_->TargetTextBox;
    FileButton = targetChoice_->FileButton;

    PlacementFrame = new QGroupBox(QStringLiteral("Place File 2"), MainFrame);
    PlacementFrame->setObjectName(QStringLiteral("PlacementFrame"));
    placementChoice_ = new combine::PlacementChoice(PlacementFrame);
    PlacementOption = placementChoice_->PlacementOption;
    GapTextBox = placementChoice_->GapTextBox;
    AtTextBox = placementChoice_->AtTextBox;
    ChooseTracksCheck = new QCheckBox(QStringLiteral("Ch&oose tracks\u2026"), MainFrame);
    ChooseTracksCheck->setObjectName(QStringLiteral("ChooseTracksCheck"));

    // Enabled by the first scan that ends.
    ButtonFrame = new QGroupBox(QStringLiteral("Language Options"), client);
    ButtonFrame->setObjectName(QStringLiteral("ButtonFrame"));
    ButtonFrame->setEnabled(false);
    languageOptions_ = new language::LanguageOptions(ButtonFrame);
    NonEnglishCheck = languageOptions_->NonEnglishCheck;
    LanguageList = languageOptions_->LanguageList;
    ButtonFrame->raise();
}

void Main::nameForScreenReaders()
{
    const auto name = [](QWidget* control, const char* accessibleName, const char* description) {
        control->setAccessibleName(QString::fromUtf8(accessibleName));
        control->setAccessibleDescription(QString::fromUtf8(description));
    };
    name(MainFrame, "SES Files", "Both panes, where the combined session goes, and the Combine and Exit buttons");
    name(ConvertButton, "Combine", "Appends File 2 to File 1 in a new session");
    name(ExitButton, "Exit", "Closes Tandem");
    name(CancelButton, "Cancel", "Stops reading the folder");
    name(TargetOptionsFrame, "Create Combination File in", "Where the combined session is written");
    name(TargetOption[0], "File 1 Folder", "Writes the combined session into File 1's folder");
    name(TargetOption[1], "File 2 Folder", "Writes the combined session into File 2's folder");
    name(TargetOption[2], "Specific Folder", "Writes the combined session into the target folder");
    name(TargetTextBox, "Target folder", "The folder the combined session is written to with Specific Folder");
    name(FileButton, "Browse for the target folder", "Chooses the target folder in a folder browser");
    name(PlacementFrame, "Place File 2", "Where File 2's clips, automation and markers go in time");
    name(PlacementOption[0], "As recorded", "Keeps File 2's clips at their own times");
    name(PlacementOption[1], "After File 1", "Places File 2 after the end of File 1's last clip, with the gap");
    name(GapTextBox, "Gap in seconds", "Seconds between the end of File 1's last clip and File 2");
    name(PlacementOption[2], "At time", "Places File 2 at the time in the time box");
    name(AtTextBox, "Time", "Where File 2 starts: h:mm:ss.fff, or a number of samples");
    name(ChooseTracksCheck, "Choose tracks", "Asks which of File 2's tracks to merge before combining");
    name(ButtonFrame, "Language Options", "The translation language");
    name(NonEnglishCheck, "Set Language Translation Using", "Turns the language list on");
    name(LanguageList, "Language", "The language to translate with");
}

QList<QAbstractButton*> Main::captionedButtons() const
{
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : centralWidget()->findChildren<QAbstractButton*>())
        if (button != ConvertButton && button != ExitButton && button != CancelButton && !button->text().isEmpty())
            buttons.push_back(button);
    return buttons;
}

bool Main::captionsFit(const QList<QAbstractButton*>& buttons)
{
    for (const QAbstractButton* button : buttons) {
        // Push buttons ask for more room than their caption needs.
        const int needed = qobject_cast<const QPushButton*>(button)
            ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 6
            : button->sizeHint().width();
        if (needed > button->width())
            return false;
    }
    return true;
}

void Main::applyFonts(double scale)
{
    fontScale_ = scale;
    // Only the frames' captions and the two big buttons are bold, not what
    // the frames hold.
    QFont bold = boldFont();
    bold.setPointSizeF(bold.pointSizeF() * scale);
    QFont normal = QApplication::font();
    // Set every attribute, or the controls would take the frames' boldness.
    normal.setFamily(normal.family());
    normal.setBold(false);
    normal.setItalic(false);
    // The window was laid out for a small font: where the system's is wider,
    // the controls get a smaller size of it, in steps of half a point, so
    // that no caption is cut. A caption that fits at one size fits at every
    // smaller one, so the largest size that fits is found by halving the
    // steps, each tried on the captions that must fit only; the size found
    // then goes to every control.
    std::vector<double> sizes;
    for (double size = (normal.pointSizeF() > 0 ? normal.pointSizeF() : 9.0) * scale; size >= 5.0; size -= 0.5)
        sizes.push_back(size);
    const QList<QAbstractButton*> captioned = captionedButtons();
    const auto fits = [&](std::size_t step) {
        normal.setPointSizeF(sizes[step]);
        for (QAbstractButton* button : captioned)
            button->setFont(normal);
        return captionsFit(captioned);
    };
    // The smallest size is taken whether it fits or not. Each size tried
    // loads a font, so the two ends, where most windows land (a system font
    // that fits at full size, or a window too small for any), are tried
    // before the sizes between.
    std::size_t low = 0;
    std::size_t high = sizes.empty() ? 0 : sizes.size() - 1;
    if (low < high && !fits(high))
        low = high;
    else if (low < high && fits(low))
        high = low;
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    if (!sizes.empty())
        normal.setPointSizeF(sizes[low]);
    for (QWidget* control : centralWidget()->findChildren<QWidget*>()) {
        // The parts of a control (a list's header and scroll bars) take its
        // font: each font set is passed down to every part below.
        QWidget* holder = control->parentWidget();
        if (holder != centralWidget() && !qobject_cast<QGroupBox*>(holder))
            continue;
        const bool boldCaption = qobject_cast<QGroupBox*>(control) || control == ConvertButton ||
            control == ExitButton || control == CancelButton;
        control->setFont(boldCaption ? bold : normal);
    }
}

void Main::placeControls()
{
    const QWidget& client = *centralWidget();
    const double designWidth = dirtree::PixelsFromTwips(Layout::ClientWidth, client);
    const double designHeight = dirtree::PixelsFromTwips(Layout::ClientHeight, client, true);
    const double scale = std::min({ 1.0, client.width() / designWidth, client.height() / designHeight });
    const Room room{ scale, client.width() - scale * designWidth, client.height() - scale * designHeight };
    place(MainFrame, Layout::MainFrame, room);
    for (std::size_t i = 0; i < 2; ++i) {
        panes::Pane& pane = *panes_[i];
        place(pane.FolderFrame, Layout::FolderFrame[i], room);
        place(pane.PathBox, Layout::PathBox[i], room);
        place(pane.FolderTree, Layout::FolderTree[i], room);
        place(pane.AutoRefreshCheck, Layout::AutoRefreshCheck[i], room);
        place(pane.ScanSubfoldersCheck, Layout::ScanSubfoldersCheck[i], room);
        place(pane.RefreshNowButton, Layout::RefreshNowButton[i], room);
        place(pane.FileFrame, Layout::FileFrame[i], room);
        place(pane.FileList, Layout::FileList[i], room);
    }
    place(ConvertButton, Layout::ConvertButton, room);
    place(ExitButton, Layout::ExitButton, room);
    place(CancelButton, Layout::CancelButton, room);
    place(TargetOptionsFrame, Layout::TargetOptionsFrame, room);
    for (std::size_t i = 0; i < 3; ++i)
        place(TargetOption[i], Layout::TargetOption[i], room);
    place(TargetTextBox, Layout::TargetTextBox, room);
    place(FileButton, Layout::FileButton, room);
    place(PlacementFrame, Layout::PlacementFrame, room);
    for (std::size_t i = 0; i < 3; ++i)
        place(PlacementOption[i], Layout::PlacementOption[i], room);
    place(GapTextBox, Layout::GapTextBox, room);
    place(placementChoice_->GapUnitLabel, Layout::GapUnitLabel, room);
    place(AtTextBox, Layout::AtTextBox, room);
    place(ChooseTracksCheck, Layout::ChooseTracksCheck, room);
    place(ButtonFrame, Layout::ButtonFrame, room);
    place(NonEnglishCheck, Layout::NonEnglishCheck, room);
    place(LanguageList, Layout::LanguageList, room);
    if (std::abs(scale - fontScale_) > 0.01)
        applyFonts(scale);
}

bool Main::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        placeControls();
    return QMainWindow::eventFilter(watched, event);
}

QString Main::GetSelectedFilePath(int index) const { return Pane(index).FileList->GetSelectedFilePath(); }

void Main::SetConvertButton()
{
    ConvertButton->setEnabled(Pane(1).FileList->CheckCountNum() == 1 && Pane(2).FileList->CheckCountNum() == 1);
}

void Main::SetScanning(bool scanning)
{
    scanning_ = scanning;
    if (scanning)
        scanCancelled_ = false;
    MainFrame->setEnabled(!scanning);
    ButtonFrame->setEnabled(!scanning);
    CancelButton->setVisible(scanning);
    if (scanning)
        CancelButton->raise();
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

void Main::EscapePressed()
{
    if (scanning_)
        scanCancelled_ = true;
    else
        Exit();
}

void Main::closeEvent(QCloseEvent* event)
{
    // However the window closes, the settings are saved once.
    if (settingsStore_ && !settingsSaved_) {
        settingsSaved_ = true;
        settings::SaveSettings(*settingsStore_, SettingsControls());
    }
    closed_ = true;
    // A scan under way stops, so that the program can end at once.
    if (scanning_)
        scanCancelled_ = true;
    QMainWindow::closeEvent(event);
}

int Main::paneAt(const QPoint& position) const
{
    for (int index = 1; index <= 2; ++index) {
        const panes::Pane& pane = Pane(index);
        for (const QWidget* frame :
            { static_cast<const QWidget*>(pane.FolderFrame), static_cast<const QWidget*>(pane.FileFrame) })
            if (QRect(frame->mapTo(this, QPoint(0, 0)), frame->size()).contains(position))
                return index;
    }
    return 0;
}

void Main::dragEnterEvent(QDragEnterEvent* event)
{
    if (!scanning_ && !droppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedPaths(event->mimeData());
    if (scanning_ || paths.isEmpty())
        return;
    event->acceptProposedAction();
    drop(paths, paneAt(event->position().toPoint()));
}

void Main::drop(const QStringList& paths, int pane)
{
    QStringList sessions;
    QStringList folders;
    for (const QString& path : paths)
        (QFileInfo(path).isDir() ? folders : sessions).push_back(path);
    if (sessions.size() >= 2)
        OpenSessions(sessions);
    else if (sessions.size() == 1)
        Pane(pane ? pane : 1).OpenSession(sessions.front());
    else if (!folders.isEmpty())
        Pane(pane ? pane : 1).OpenFolder(folders.front());
}

void Main::OpenSessions(const QStringList& paths)
{
    // A later start can ask while a scan runs: the scan stops, and the
    // sessions are opened once it has.
    if (scanning_) {
        scanCancelled_ = true;
        QTimer::singleShot(laterMilliseconds, this, [this, paths] { OpenSessions(paths); });
        return;
    }
    for (int index = 1; index <= 2 && index <= paths.size(); ++index)
        Pane(index).OpenSession(paths[index - 1]);
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
    controls.placementOption = PlacementOption;
    controls.gapTextBox = GapTextBox;
    controls.atTextBox = AtTextBox;
    controls.chooseTracks = ChooseTracksCheck;
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
    combine::CombineSessions(Pane(1).FileList->CheckedKey(), Pane(2).FileList->CheckedKey(), target,
        { placementChoice_->Choice(), GapTextBox->text(), AtTextBox->text(), ChooseTracksCheck->isChecked() });
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
        ApplicationIcon(), [this] { mnuHelpDonate_Click(); }, this);
    about.exec();
}

void Main::ShowHelp() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(HelpPageAddress))); }

void Main::mnuHelpDonate_Click() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(WebPageAddress))); }

} // namespace tandem::mainwindow
