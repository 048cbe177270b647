#include "app/worker_shutdown.h"

#include "link/com_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QThread>

namespace pemrix::app {

bool letWorkersRunOut(std::chrono::milliseconds limit) {
    QDeadlineTimer deadline(limit);
    while (link::TComThread::liveCount() > 0) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // Workers delete themselves later; outside the event loop that must be asked for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

} // namespace pemrix::app
