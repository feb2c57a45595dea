#include "main_window.h"
#include "qt_prompt.h"
#include "single_instance.h"
#include "startup.h"

#include "settings_store.h"

#include "prompt.h"
#include "volumes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(tandem::mainwindow::Main::ApplicationName);

    // A second start brings the running program to the front and ends,
    // without a window and without touching the settings.
    tandem::mainwindow::SingleInstance instance;
    if (instance.ActivateRunningInstance())
        return 0;
    instance.Listen();

    tandem::mainwindow::QtPrompt prompt;
    tandem::platform::InstallPrompt(&prompt);
    tandem::mainwindow::InstallQtBusyPointer();

    tandem::settings::QSettingsStore store;
    tandem::mainwindow::Main window;
    QObject::connect(&instance, &tandem::mainwindow::SingleInstance::ActivationRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    tandem::mainwindow::StartUp(window, store, tandem::platform::SystemVolumes());
    const int result = app.exec();
    tandem::platform::InstallPrompt(nullptr);
    return result;
}
