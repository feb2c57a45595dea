#include "window_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tandem::mainwindow {

void FitOnScreen(QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins decoration(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
        frame.bottom() - inner.bottom());
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    for (const QPoint corner : { frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight() })
        if (!screen)
            screen = QGuiApplication::screenAt(corner);
    const bool offEveryScreen = !screen;
    if (offEveryScreen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();

    const QSize room = available.size().shrunkBy(decoration);
    QSize size = window.size();
    if (size.width() > room.width() || size.height() > room.height()) {
        const double factor = std::min(
            static_cast<double>(room.width()) / size.width(), static_cast<double>(room.height()) / size.height());
        size = QSize(static_cast<int>(size.width() * factor), static_cast<int>(size.height() * factor));
        window.resize(size);
    }
    const QSize outer = size.grownBy(decoration);
    QPoint at = offEveryScreen ? available.topLeft() : frame.topLeft();
    at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - outer.height())));
    window.move(at);
}

} // namespace tandem::mainwindow
