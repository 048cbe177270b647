#include "app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace pemrix::app {

namespace {

class StartupProbe : public QObject {
  public:
    StartupProbe(QWidget& window, int descriptor) : QObject(&window), descriptor_(descriptor) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Reported once the paint has been done.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

  private:
    void report() {
        QFile probe;
        if (probe.open(descriptor_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            probe.write("1", 1);
            probe.flush();
        }
        QCoreApplication::quit();
    }

    int descriptor_;
    bool seen_ = false;
};

} // namespace

void watchStartup(QWidget& window) {
    bool ok = false;
    const int descriptor = qEnvironmentVariableIntValue("PEMRIX_STARTUP_PROBE_FD", &ok);
    if (ok && descriptor >= 0)
        new StartupProbe(window, descriptor);
}

} // namespace pemrix::app
