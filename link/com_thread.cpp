#include "link/com_thread.h"

#include <QMetaObject>
#include <atomic>
#include <utility>

namespace pemrix::link {
namespace {
std::atomic<int> liveWorkers{0};
} // namespace

// Runs each outcome on the user-interface thread and waits for it: the worker never
// touches a window from its own thread, and a message box holds it until closed.
class TComThread::UiThreadReporter : public Reporter {
  public:
    UiThreadReporter(TComThread& worker, WindowLookup window)
        : worker_(worker), target_(std::move(window)) {}

    void report(int code, int attemptNumber) override {
        // After a key read (or none presented) the exchange sends nothing more.
        if (code == ReportCode::KeyReadDone || code == ReportCode::NoKey)
            worker_.releasePort();
        onUi([&] { target_.report(code, attemptNumber); });
    }
    void linkAnswered(ModuleKind kind) override {
        onUi([&] { target_.linkAnswered(kind); });
    }
    // The buttons that start the next exchange become usable only here, after the
    // port is released, so the user's next press never meets this worker on the line.
    void linkUp() override {
        worker_.releasePort();
        onUi([&] { target_.linkUp(); });
    }
    void enableTransferButtons() override {
        worker_.releasePort();
        onUi([&] { target_.enableTransferButtons(); });
    }
    void deliverImage(const std::vector<int>& image) override {
        onUi([&] { target_.deliverImage(image); });
    }
    void deliverKey(std::uint64_t keyCode, int slot) override {
        onUi([&] { target_.deliverKey(keyCode, slot); });
    }
    void lineFailed(Operation operation, const PortError& error) override {
        onUi([&] { target_.lineFailed(operation, error); });
    }

  private:
    template <typename Call> void onUi(Call call) {
        // If the application ends before the call is run, Qt drops the queued call
        // and releases the wait, so the worker can always run out.
        // This worker object lives on the user-interface thread: the calls run there.
        QMetaObject::invokeMethod(&worker_, call, Qt::BlockingQueuedConnection);
    }

    TComThread& worker_;
    TargetReporter target_;
};

TComThread::TComThread(std::shared_ptr<SerialPort> port, ExchangeRequest request,
                       WindowLookup window, Timing timing)
    : port_(std::move(port)), request_(std::move(request)), window_(std::move(window)),
      timing_(timing) {
    ++liveWorkers;
    purgeOnWorkerStart(*port_);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

TComThread::~TComThread() {
    --liveWorkers;
}

void TComThread::releasePort() {
    if (portReleased_.load(std::memory_order_acquire))
        return;
    purgeOnWorkerEnd(*port_);
    portReleased_.store(true, std::memory_order_release);
}

int TComThread::liveCount() {
    return liveWorkers.load();
}

void TComThread::startExchange() {
    start(QThread::TimeCriticalPriority);
}

void TComThread::requestStop() {
    stop_.request();
    requestInterruption();
}

// The buffers are cleared as the worker ends, on its own thread: a later deletion on
// the user-interface thread could otherwise clear the line under the next worker.
void TComThread::run() {
    UiThreadReporter reporter(*this, window_);
    Exchange exchange(*port_, request_, reporter, stop_, timing_);
    exchange.setTrace(trace_.get());
    const ExchangeEnd outcome = exchange.run();
    releasePort();
    emit exchangeEnded(outcome);
}

} // namespace pemrix::link
