#pragma once

#include "session_scan.h"

#include <QString>

namespace tandem::panes {

// What a pane needs of the window that holds it.
class PaneHost : public ScanWindow {
public:
    // Enables the Combine button exactly when each pane has one checked file.
    virtual void SetConvertButton() = 0;
    // The frames that hold the panes and buttons are disabled while a scan
    // runs, so that no second scan, sort or combine can start meanwhile.
    virtual void SetScanning(bool scanning) = 0;
    virtual QString ApplicationTitle() const = 0;
    // The folder that holds the program: where a pane goes when its
    // remembered folder is gone.
    virtual QString ProgramFolder() const = 0;
};

} // namespace tandem::panes
