// Loaded into a program with LD_PRELOAD by the start-up benchmark: as soon
// as the program's first window has been exposed and painted, writes one
// byte to the file descriptor named in TANDEM_SHOWN_FD and ends the program
// there, so that the benchmark times the start up to the shown window and
// nothing after it.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdlib>

#include <unistd.h>

namespace {

class ShownProbe : public QObject {
public:
    explicit ShownProbe(int descriptor)
        : descriptor_(descriptor)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() != QEvent::Expose || !window)
            return false;
        // A widget's window paints itself while it handles its exposure.
        watched->event(event);
        if (window->isExposed()) {
            const char shown = 'S';
            const bool told = write(descriptor_, &shown, 1) == 1;
            _exit(told ? 0 : 1);
        }
        return true;
    }

private:
    int descriptor_;
};

void installProbe()
{
    const char* descriptor = std::getenv("TANDEM_SHOWN_FD");
    if (descriptor && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(new ShownProbe(std::atoi(descriptor)));
}

// Runs as the library is loaded, long before the program's QApplication.
const bool registered = [] {
    qAddPreRoutine(installProbe);
    return true;
}();

} // namespace
