#pragma once

#include <QString>

namespace tandem::mainwindow {

// "Version 1.0.00": the major version without leading zeros (none at all
// for 0), the minor version, and the last two digits of the revision padded
// with zeros.
QString VersionText(int major, int minor, int revision);

// "Tandem - Version 1.0.00", the version as VersionText writes it.
QString MainCaption(const QString& title, int major, int minor, int revision);

} // namespace tandem::mainwindow
