// The fault soak with the worker thread the program uses: each session runs one
// TComThread against a fresh emulated module with a random fault (the waits dropped),
// reporting to a window on this thread while its event loop runs, perhaps stopped and
// its port closed after a random delay, as breaking the link does. Counts crashes,
// hangs, ends other than the fault calls for, and what is left behind.
//
//   fault_soak [--sessions N] [--seed S] [--verbose]
//
// Run it from the asan build as well: LeakSanitizer then reports leaked memory at exit.

#include "bench/link/fault_soak_plan.h"
#include "link/com_thread.h"
#include "link/system_serial_port.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>

namespace {

using namespace pemrix;
using namespace std::chrono_literals;

std::string runSession(const bench::SessionPlan& plan, const bench::SoakOptions& options,
                       bench::SessionResult& result, bench::SoakTally& tally) {
    auto module = std::make_unique<emulator::Emulator>(plan.module);
    module->start();
    std::shared_ptr<link::SerialPort> port =
        link::SystemSerialPort::open(module->devicePath(), link::OpenOptions{0ms});
    const std::weak_ptr<link::SerialPort> portWatch = port;
    auto window = std::make_unique<bench::RecordingWindow>(plan.request.moduleKind);
    bench::RecordingWindow* const target = window.get();
    QPointer<link::TComThread> worker = new link::TComThread(
        port, plan.request, [target] { return target; }, link::Timing::zero());
    // Queued here, ahead of the worker's deletion after finished().
    QObject receiver;
    QObject::connect(worker, &link::TComThread::exchangeEnded, &receiver,
                     [&result](link::ExchangeEnd end) { result.outcome = end; });
    worker->startExchange();

    QElapsedTimer clock;
    clock.start();
    QDeadlineTimer deadline(options.deadline);
    QTimer tick; // wakes the loop, so that the stop comes on time
    tick.start(1ms);
    bool stopAsked = false;
    while (worker && !deadline.hasExpired()) {
        if (plan.stopAfter && !stopAsked && clock.elapsed() >= plan.stopAfter->count()) {
            // What breaking the link does: ask for the stop, close the port, never wait.
            stopAsked = true;
            worker->requestStop();
            port->close();
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (worker) {
        // A worker that hangs keeps what it uses; it is left to itself.
        result.outcome.reset();
        (void)window.release();
        (void)module.release();
        return bench::judgeSession(plan, result);
    }

    result.calls = window->calls;
    result.images = window->images;
    // The window's closing closes the port; then nothing may hold it any more.
    port->close();
    port.reset();
    if (!portWatch.expired())
        ++tally.portsLeft;
    if (link::TComThread::liveCount() != 0)
        ++tally.workersLeft;
    module->stop();
    result.moduleImage = module->image();
    return bench::judgeSession(plan, result);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return bench::runSoak(argc, argv, "TComThread", runSession);
}
