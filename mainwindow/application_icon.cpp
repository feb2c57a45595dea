#include "application_icon.h"

#include <QString>

// The images live in this static library, whose resources register only when
// asked to; the macro must be called outside any namespace.
static bool RegisterIconResources()
{
    Q_INIT_RESOURCE(icons);
    return true;
}

namespace tandem::mainwindow {

QIcon ApplicationIcon()
{
    [[maybe_unused]] static const bool registered = RegisterIconResources();
    QIcon icon;
    for (const int size : { 16, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/icons/tandem-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tandem::mainwindow
