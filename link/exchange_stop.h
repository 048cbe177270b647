#pragma once
// The stop request of one exchange: set from the user-interface thread (breaking the
// link, closing the window), read by the worker at its checkpoints only.

#include <atomic>

namespace pemrix::link {

class StopFlag {
  public:
    void request() { requested_.store(true, std::memory_order_release); }
    bool requested() const { return requested_.load(std::memory_order_acquire); }

  private:
    std::atomic<bool> requested_{false};
};

} // namespace pemrix::link
