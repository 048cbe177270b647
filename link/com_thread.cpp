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
    UiThreadReporter(QObject* uiContext, WindowLookup window)
        : uiContext_(uiContext), target_(std::move(window)) {}

    void report(int code, int attemptNumber) override {
        onUi([&] { target_.report(code, attemptNumber); });
    }
    void releVariantFromLink(int kind) override {
        onUi([&] { target_.releVariantFromLink(kind); });
    }
    void linkUp() override {
        onUi([&] { target_.linkUp(); });
    }
    void enableTransferButtons() override {
        onUi([&] { target_.enableTransferButtons(); });
    }
    void deliverImage(const std::vector<int>& image) override {
        onUi([&] { target_.deliverImage(image); });
    }
    void deliverKey(std::uint64_t keyCode, int slot) override {
        onUi([&] { target_.deliverKey(keyCode, slot); });
    }

private:
    template <typename Call>
    void onUi(Call call) {
        // If the application ends before the call is run, Qt drops the queued call
        // and releases the wait, so the worker can always run out.
        QMetaObject::invokeMethod(uiContext_, call, Qt::BlockingQueuedConnection);
    }

    QObject* uiContext_;
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
    purgeOnWorkerEnd(*port_);
    --liveWorkers;
}

int TComThread::liveCount() { return liveWorkers.load(); }

void TComThread::startExchange() { start(QThread::TimeCriticalPriority); }

void TComThread::requestStop() {
    stop_.request();
    requestInterruption();
}

void TComThread::run() {
    // This object lives on the user-interface thread, so it is the context in which
    // the reports run there.
    UiThreadReporter reporter(this, window_);
    Exchange exchange(*port_, request_, reporter, stop_, timing_);
    outcome_ = exchange.run();
}

} // namespace pemrix::link
