#include "show_in_file_manager.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace tandem::combine {

void ShowInFileManager(const QString& file)
{
#if defined(Q_OS_WIN)
    QProcess::startDetached(
        QStringLiteral("explorer.exe"), { QStringLiteral("/select,") + QDir::toNativeSeparators(file) });
#elif defined(Q_OS_MACOS)
    QProcess::startDetached(QStringLiteral("open"), { QStringLiteral("-R"), file });
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
#endif
}

} // namespace tandem::combine
