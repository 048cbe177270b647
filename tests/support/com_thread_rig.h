#pragma once
// What the worker-thread tests share: a module window that records what the reports
// do to it, the calls a sequence of reports makes, a worker run from this thread
// with its event loop, and an emulated module on a pseudo-terminal.

#include "emulator/emulator.h"
#include "link/com_thread.h"
#include "link/reports.h"
#include "link/system_serial_port.h"
#include "tests/support/recording_target.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pemrix::link::testing {

using emulator::Emulator;
using emulator::EmulatorConfig;
using emulator::Fault;
using namespace std::chrono_literals;

using ::pemrix::testing::RecordingTarget;

// What the window sees for a sequence of the worker's outcomes, made by running the
// report routines themselves on a fresh window: these tests check which outcomes
// arrive and in what order; the routines' texts are checked on their own.
class Expected {
  public:
    explicit Expected(ModuleKind kind) : window_(kind) {}
    Expected& report(int code, int attemptNumber = 0) {
        ShowReport(window_, code, attemptNumber);
        return *this;
    }
    Expected& attempts(int first, int last) {
        for (int n = first; n <= last; ++n)
            report(ReportCode::LinkAttempt, n);
        return *this;
    }
    Expected& linkUp() {
        LinkUp(window_);
        return *this;
    }
    Expected& image(const std::vector<int>& image) {
        DeliverImage(window_, image);
        return *this;
    }
    Expected& key(std::uint64_t code, int slot) {
        ShowKeyId(window_, code, slot);
        return *this;
    }
    Expected& variant(ModuleKind kind) {
        window_.linkAnswered(kind);
        return *this;
    }
    const std::vector<std::string>& calls() const { return window_.calls; }

  private:
    RecordingTarget window_;
};

// Longer than any exchange here takes (ten silent link attempts take about 8 s).
inline constexpr auto NoHangLimit = 60s;

// Handles events until `done` holds or the limit passes; false on the limit.
inline bool runEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QDeadlineTimer deadline(limit);
    // Wakes the wait below now and then, so that `done` is looked at without spinning.
    QTimer tick;
    tick.start(2ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // The worker deletes itself later; outside exec() that has to be asked for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

inline std::unique_ptr<Emulator>
startModule(pemrix::link::ModuleKind model, std::vector<Fault> faults = {},
            std::vector<std::uint8_t> image = {},
            std::optional<std::uint64_t> key = pemrix::emulator::DefaultKeyCode) {
    EmulatorConfig config;
    config.model = model;
    config.image = std::move(image);
    config.keyCode = key;
    for (Fault fault : faults)
        config.faults.set(fault);
    auto module = std::make_unique<Emulator>(config);
    module->start();
    return module;
}

inline std::shared_ptr<SerialPort> openPort(const Emulator& module) {
    std::shared_ptr<SystemSerialPort> port =
        SystemSerialPort::open(module.devicePath(), OpenOptions{0ms});
    EXPECT_TRUE(port->isOpen());
    return port;
}

// One worker as a module window starts it: created and started on this thread,
// reporting to `target` here, deleting itself at its end. Its outcome comes here by a
// queued connection, ahead of the deletion that follows finished().
class WorkerRun {
  public:
    WorkerRun(std::shared_ptr<SerialPort> port, ExchangeRequest request, RecordingTarget& target,
              Timing timing = Timing::zero())
        : port_(std::move(port)) {
        worker_ = new TComThread(
            port_, std::move(request), [&target] { return &target; }, timing);
        QObject::connect(worker_, &TComThread::exchangeEnded, &receiver_,
                         [this](ExchangeEnd end) { ends_.push_back(end); });
    }

    TComThread& worker() { return *worker_; }
    SerialPort& port() { return *port_; }

    void start() { worker_->startExchange(); }
    // True when the worker has ended and deleted itself in time.
    bool waitForEnd() {
        return runEventsUntil([this] { return worker_.isNull(); }, NoHangLimit);
    }
    // The outcome the worker announced, if it announced exactly one.
    std::optional<ExchangeEnd> outcome() const {
        return ends_.size() == 1 ? std::optional(ends_.front()) : std::nullopt;
    }

  private:
    std::shared_ptr<SerialPort> port_;
    QObject receiver_;
    std::vector<ExchangeEnd> ends_;
    QPointer<TComThread> worker_;
};

} // namespace pemrix::link::testing
