#pragma once
// The worker thread of one exchange with a module. It is created for one operation,
// runs it on its own thread, hands every outcome to the window on the user-interface
// thread and waits there until the window has shown it, and deletes itself at its end.

#include "link/exchange.h"
#include "link/exchange_stop.h"
#include "link/reports.h"
#include "link/serial_port.h"
#include "link/timing.h"

#include <QThread>
#include <atomic>
#include <memory>
#include <utility>

namespace pemrix::link {

class TComThread : public QThread {
    Q_OBJECT
  public:
    // Finds the window to report to; called on the user-interface thread for every
    // report, so a window closed meanwhile is skipped (nullptr).
    using WindowLookup = TargetReporter::WindowLookup;

    // Purges the port (abort reception and transmission, clear both buffers). The
    // request must pass checkExchangeRequest. Create it on the user-interface thread.
    TComThread(std::shared_ptr<SerialPort> port, ExchangeRequest request, WindowLookup window,
               Timing timing = {});
    ~TComThread() override;

    // Every byte of the exchange goes to `trace` as it moves, from the worker's thread
    // (so the trace must be safe to call from there). Set it before startExchange.
    void setTrace(std::shared_ptr<ByteTrace> trace) { trace_ = std::move(trace); }
    // Starts the worker at time-critical priority; it deletes itself when it ends.
    void startExchange();
    // Asks the exchange to end at its next checkpoint. Never waits.
    void requestStop();
    // True once the exchange will touch the port no more: its last outcome (link up,
    // transfer finished, key read or no key) is being shown or the thread has ended.
    // A new exchange may then start on the same port, even while this thread runs out.
    bool portReleased() const { return portReleased_.load(std::memory_order_acquire); }

    const ExchangeRequest& request() const { return request_; }
    // Workers created and not yet deleted. At program end the application lets them
    // run out (each ends at its next checkpoint once stopped and its port closed).
    static int liveCount();

  signals:
    // How the exchange ended: sent once, from the worker's own thread, as the
    // exchange ends and before finished(). The worker deletes itself after
    // finished(), so connect a receiver that lives on another thread (queued: the
    // outcome travels by value).
    void exchangeEnded(pemrix::link::ExchangeEnd outcome);

  protected:
    void run() override;

  private:
    class UiThreadReporter;

    // Clears the port's receive and transmit buffers once, as the worker ends with it.
    void releasePort();

    std::shared_ptr<SerialPort> port_;
    ExchangeRequest request_;
    WindowLookup window_;
    Timing timing_;
    std::shared_ptr<ByteTrace> trace_;
    StopFlag stop_;
    std::atomic<bool> portReleased_{false};
};

} // namespace pemrix::link
