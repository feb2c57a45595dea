#pragma once

namespace tandem::platform {
class Volumes;
}

namespace tandem::settings {
class SettingsStore;
}

namespace tandem::mainwindow {

class Main;

// Brings the window up: drives, stored settings, both panes at their
// remembered folders and read once more behind the "Reading data..."
// window, and the Combine button. The window saves its settings to `store`
// when it closes.
void StartUp(Main& window, settings::SettingsStore& store, const platform::Volumes& volumes);

} // namespace tandem::mainwindow
