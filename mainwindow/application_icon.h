#pragma once

#include <QIcon>

namespace tandem::mainwindow {

// Tandem's own icon, drawn at every size a window, a task bar or a file
// manager asks for, so that none has to be scaled.
QIcon ApplicationIcon();

} // namespace tandem::mainwindow
