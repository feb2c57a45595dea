#include "startup.h"

#include "application_icon.h"
#include "main_window.h"
#include "progress_status.h"
#include "single_instance.h"
#include "window_fit.h"

#include "dirtree.h"
#include "language_options.h"
#include "pane.h"
#include "settings_io.h"

#include "busy_pointer.h"
#include "volumes.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

namespace tandem::mainwindow {

namespace {

// Reads both panes again; false when the window was closed meanwhile.
bool refreshPanes(Main& window)
{
    for (int pane = 1; pane <= 2; ++pane) {
        window.Pane(pane).SESFileRefresh();
        if (window.Closed())
            return false;
    }
    return true;
}

} // namespace

bool StartUp(Main& window, settings::SettingsStore& store, const platform::Volumes& volumes,
    const QStringList& sessions, const std::function<void()>& shown)
{
    window.LanguageOptions().FillLanguageList();
    window.SetSettingsStore(&store);
    {
        platform::BusyPointer busy;
        settings::LoadSettings(store, window.SettingsControls());
        FitOnScreen(window);
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).RefreshNowButton->setEnabled(!window.Pane(pane).AutoRefreshCheck->isChecked());
        window.SetColumns();
        // The window shows first; its trees and lists are filled right
        // after, which the user sees happen.
        window.show();
        QApplication::processEvents();
        if (shown)
            shown();
        // Now that the window has its frame, the frame is kept on screen too.
        FitOnScreen(window);
        // Reading the icon's images wakes the image plugins, which the
        // window need not wait for.
        window.setWindowIcon(ApplicationIcon());

        const QString drives = QString::fromStdString(volumes.PresentLetters());
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).FolderTree->setDriveLetters(drives);
        if (!refreshPanes(window))
            return false;
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).GoToLastItem(window.Pane(pane).LastDir);
        QApplication::processEvents();
        if (window.Closed())
            return false;

        ProgressStatus status(&window);
        status.SetCaption(QStringLiteral("Reading data..."));
        for (int pane = 1; pane <= 2; ++pane) {
            panes::Pane& each = window.Pane(pane);
            each.ForceRefresh = each.AutoRefreshCheck->isChecked();
        }
        if (!refreshPanes(window))
            return false;
    }
    window.MainFrame->setTitle(QStringLiteral("SES Files"));
    window.SetConvertButton();
    window.OpenSessions(sessions);
    return !window.Closed();
}

void TakeLaterStarts(SingleInstance& instance, Main& window)
{
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &window, [&window](const QStringList& sessions) {
        window.showNormal();
        window.raise();
        window.activateWindow();
        window.OpenSessions(sessions);
    });
}

} // namespace tandem::mainwindow
