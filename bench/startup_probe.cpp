// A probe preloaded into a program whose start-up is measured: once one of
// its windows has been exposed (shown on the screen), the first time the
// program waits for input with no window update pending, its first window's
// contents have been drawn and reached the screen, and the probe writes one
// byte to the file descriptor named by STARTUP_PROBE_FD. The program itself
// is not changed.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <unistd.h>

namespace {

class DrawnWatcher : public QObject {
public:
    explicit DrawnWatcher(int fd) : fd_(fd) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        // The event dispatcher exists once events flow.
        if (!listening_) {
            QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                             [this] { AboutToBlock(); });
            listening_ = true;
        }
        if (event->type() != QEvent::Expose || exposed_) return false;
        auto* window = qobject_cast<QWindow*>(object);
        exposed_ = window && window->isExposed();
        return false;
    }

    // A window's pending update (a flush of what was drawn) is a timer on it.
    void AboutToBlock() {
        if (!exposed_ || fd_ < 0) return;
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (!dispatcher->registeredTimers(window).isEmpty()) return;
        const char drawn = 1;
        if (write(fd_, &drawn, 1) != 1) std::_Exit(2);
        fd_ = -1;
    }

private:
    int fd_;
    bool listening_ = false;
    bool exposed_ = false;
};

void InstallWatcher() {
    const char* fd = std::getenv("STARTUP_PROBE_FD");
    if (!fd) return;
    auto* watcher = new DrawnWatcher(std::atoi(fd));
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWatcher)
