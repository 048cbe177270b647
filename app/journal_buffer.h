#pragma once
// The lines of the exchange journal on their way from the worker thread to the
// window: the worker appends, the window takes what has come on its own timer. The
// worker never waits for the window, only for this short lock.

#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace pemrix::app {

class JournalBuffer {
  public:
    // Lines that come while recording is off are dropped: switching the journal off
    // stops it at once, even under a running exchange.
    void setRecording(bool on) { recording_.store(on, std::memory_order_release); }
    bool recording() const { return recording_.load(std::memory_order_acquire); }

    void append(const std::string& line) {
        if (!recording())
            return;
        const std::lock_guard lock(mutex_);
        pending_.push_back(line);
    }
    // Every line that has come since the last call, in order.
    std::vector<std::string> take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(pending_, {});
    }

  private:
    std::atomic<bool> recording_{false};
    std::mutex mutex_;
    std::vector<std::string> pending_;
};

} // namespace pemrix::app
