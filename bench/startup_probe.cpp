// A probe preloaded into a program whose start-up is measured: the first
// time one of its windows is exposed (shown on the screen), it writes one
// byte to the file descriptor named by STARTUP_PROBE_FD. The program itself
// is not changed.
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <cstdlib>
#include <unistd.h>

namespace {

class ExposeWatcher : public QObject {
public:
    explicit ExposeWatcher(int fd) : fd_(fd) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Expose || fd_ < 0) return false;
        auto* window = qobject_cast<QWindow*>(object);
        if (!window || !window->isExposed()) return false;
        const char shown = 1;
        if (write(fd_, &shown, 1) != 1) std::_Exit(2);
        fd_ = -1;
        return false;
    }

private:
    int fd_;
};

void InstallWatcher() {
    const char* fd = std::getenv("STARTUP_PROBE_FD");
    if (!fd) return;
    auto* watcher = new ExposeWatcher(std::atoi(fd));
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallWatcher)
