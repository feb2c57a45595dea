#pragma once

class QWidget;

namespace tandem::mainwindow {

// Keeps a top-level window whole on a screen: one larger than the available
// area of its screen is scaled down, keeping its proportions, and one that
// lies off every screen comes back on the primary screen.
void FitOnScreen(QWidget& window);

} // namespace tandem::mainwindow
