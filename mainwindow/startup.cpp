#include "startup.h"

#include "main_window.h"
#include "progress_status.h"

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

void StartUp(Main& window, settings::SettingsStore& store, const platform::Volumes& volumes)
{
    window.LanguageOptions().FillLanguageList();
    window.SetSettingsStore(&store);
    {
        platform::BusyPointer busy;
        const QString drives = QString::fromStdString(volumes.PresentLetters());
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).FolderTree->setDriveLetters(drives);
        settings::LoadSettings(store, window.SettingsControls());
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).RefreshNowButton->setEnabled(!window.Pane(pane).AutoRefreshCheck->isChecked());
        QApplication::processEvents();
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).SESFileRefresh();
        for (int pane = 1; pane <= 2; ++pane)
            window.Pane(pane).GoToLastItem(window.Pane(pane).LastDir);
        window.SetColumns();
        QApplication::processEvents();
        window.show();
        QApplication::processEvents();

        ProgressStatus status(&window);
        status.SetCaption(QStringLiteral("Reading data..."));
        for (int pane = 1; pane <= 2; ++pane) {
            panes::Pane& each = window.Pane(pane);
            each.ForceRefresh = each.AutoRefreshCheck->isChecked();
            each.SESFileRefresh();
        }
    }
    window.MainFrame->setTitle(QStringLiteral("SES Files"));
    window.SetConvertButton();
}

} // namespace tandem::mainwindow
