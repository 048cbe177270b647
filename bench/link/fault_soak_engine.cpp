// The fault soak without Qt, so that ThreadSanitizer can watch it: each session runs
// the exchange engine on a thread of its own against a fresh emulated module with a
// random fault (the waits dropped), the reports going straight to a recording window,
// perhaps stopped and its port closed from this thread after a random delay.
//
//   fault_soak_engine [--sessions N] [--seed S] [--verbose]

#include "bench/link/fault_soak_plan.h"
#include "link/reports.h"
#include "link/system_serial_port.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

using namespace pemrix;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Everything the exchange's thread touches; a thread that hangs keeps it alive.
struct Session {
    explicit Session(const bench::SessionPlan& plan)
        : module(plan.module), window(plan.request.moduleKind),
          reporter([this] { return &window; }) {}

    emulator::Emulator module;
    bench::RecordingWindow window;
    link::TargetReporter reporter;
    link::StopFlag stop;
    std::shared_ptr<link::SerialPort> port;
    std::mutex mutex;
    std::condition_variable ended;
    std::optional<link::ExchangeEnd> outcome;
};

std::string runSession(const bench::SessionPlan& plan, const bench::SoakOptions& options,
                       bench::SessionResult& result, bench::SoakTally& tally) {
    auto session = std::make_shared<Session>(plan);
    session->module.start();
    session->port =
        link::SystemSerialPort::open(session->module.devicePath(), link::OpenOptions{0ms});
    const std::weak_ptr<link::SerialPort> portWatch = session->port;

    std::thread worker([session, request = plan.request] {
        link::Exchange exchange(*session->port, request, session->reporter, session->stop,
                                link::Timing::zero());
        const link::ExchangeEnd end = exchange.run();
        link::purgeOnWorkerEnd(*session->port);
        std::lock_guard lock(session->mutex);
        session->outcome = end;
        session->ended.notify_all();
    });

    const auto start = Clock::now();
    std::unique_lock lock(session->mutex);
    const auto hasEnded = [&] { return session->outcome.has_value(); };
    if (plan.stopAfter && !session->ended.wait_until(lock, start + *plan.stopAfter, hasEnded)) {
        // What breaking the link does: ask for the stop, close the port, never wait.
        session->stop.request();
        session->port->close();
    }
    if (!session->ended.wait_until(lock, start + options.deadline, hasEnded)) {
        lock.unlock();
        worker.detach();
        return bench::judgeSession(plan, result);
    }
    result.outcome = session->outcome;
    lock.unlock();
    worker.join();

    result.calls = session->window.calls;
    result.images = session->window.images;
    session->port->close();
    session->port.reset();
    if (!portWatch.expired())
        ++tally.portsLeft;
    session->module.stop();
    result.moduleImage = session->module.image();
    return bench::judgeSession(plan, result);
}

} // namespace

int main(int argc, char** argv) {
    return bench::runSoak(argc, argv, "engine thread", runSession);
}
