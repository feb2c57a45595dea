#include "main_window.h"
#include "qt_prompt.h"
#include "single_instance.h"
#include "startup.h"

#include "settings_store.h"

#include "prompt.h"
#include "volumes.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(tandem::mainwindow::Main::ApplicationName);

    // tandem [--screenshot PNG] [FIRST.sesx [SECOND.sesx]]: paths as the
    // starting shell meant them, whichever program opens them. The
    // screenshot (for the README) is the window once started, and ends it.
    QStringList arguments = QApplication::arguments().mid(1);
    QString screenshot;
    if (arguments.size() >= 2 && arguments.front() == QLatin1String("--screenshot")) {
        screenshot = arguments[1];
        arguments = arguments.mid(2);
    }
    QStringList sessions;
    for (const QString& argument : arguments)
        sessions.push_back(QFileInfo(argument).absoluteFilePath());

    // A second start brings the running program to the front, hands it its
    // sessions and ends, without a window and without touching the settings.
    tandem::mainwindow::SingleInstance instance;
    if (screenshot.isEmpty() && instance.ActivateRunningInstance(sessions))
        return 0;

    tandem::mainwindow::QtPrompt prompt;
    tandem::platform::InstallPrompt(&prompt);
    tandem::mainwindow::InstallQtBusyPointer();

    tandem::settings::QSettingsStore store;
    tandem::mainwindow::Main window;
    tandem::mainwindow::TakeLaterStarts(instance, window);
    // Later starts are listened for once the window shows, which it need
    // not wait for: making the listening socket takes a while.
    const auto listen = [&instance, &screenshot] {
        if (screenshot.isEmpty())
            instance.Listen();
    };
    // Closed while start-up still read the folders: nothing is left to do.
    if (!tandem::mainwindow::StartUp(window, store, tandem::platform::SystemVolumes(), sessions, listen)) {
        tandem::platform::InstallPrompt(nullptr);
        return 0;
    }
    if (!screenshot.isEmpty())
        return window.grab().save(screenshot) ? 0 : 1;
    const int result = app.exec();
    tandem::platform::InstallPrompt(nullptr);
    return result;
}
