#pragma once

#include <QStringList>

#include <functional>

namespace tandem::platform {
class Volumes;
}

namespace tandem::settings {
class SettingsStore;
}

namespace tandem::mainwindow {

class Main;
class SingleInstance;

// Brings the window up: stored settings, the window whole on a screen and
// shown, then the drives, both panes at their remembered folders and read behind
// the "Reading data..." window, the Combine button, and then the session
// files `sessions` (from the command line) ticked. The window saves its
// settings to `store` when it closes; `shown` runs as soon as the window
// has shown. False when the window was closed before start-up ended: the
// program then ends at once.
bool StartUp(Main& window, settings::SettingsStore& store, const platform::Volumes& volumes,
    const QStringList& sessions = {}, const std::function<void()>& shown = {});

// Later starts of the program bring `window` to the front and open the
// sessions they were given.
void TakeLaterStarts(SingleInstance& instance, Main& window);

} // namespace tandem::mainwindow
