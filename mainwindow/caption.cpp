#include "caption.h"

namespace tandem::mainwindow {

QString VersionText(int major, int minor, int revision)
{
    const QString majorText = major == 0 ? QString() : QString::number(major);
    const QString revisionText = QStringLiteral("00") + QStringLiteral("%1").arg(revision, 2, 10, QLatin1Char('0'));
    return QStringLiteral("Version ") + majorText + QLatin1Char('.') + QString::number(minor) + QLatin1Char('.') +
        revisionText.right(2);
}

QString MainCaption(const QString& title, int major, int minor, int revision)
{
    return title + QStringLiteral(" - ") + VersionText(major, minor, revision);
}

} // namespace tandem::mainwindow
