#pragma once
// The fixed waits of an exchange and how they are taken. Production runs with the
// defaults on the system's clock; tests and the fuzzer pass zero or scaled waits and
// a clock of their own that records each wait instead of sleeping.

#include <chrono>
#include <functional>

namespace pemrix::link {

struct Timing {
    // Before reading each link answer: the module needs this long to notice the
    // request and answer it.
    std::chrono::milliseconds linkAnswerWait{2000};
    // Before reading the acknowledgement of a command header.
    std::chrono::milliseconds headerAckWait{1000};
    // After opening the port, before anything is sent.
    std::chrono::milliseconds portSettle{300};
    // After each byte of a relay image and again after its echo: the relay module
    // stores every byte as it comes and falls behind at full line speed.
    std::chrono::milliseconds releBytePause{10};
    // Between polls for the relay module's write acknowledgement.
    std::chrono::milliseconds ackPollPause{1};

    static constexpr Timing zero() {
        using std::chrono::milliseconds;
        return {milliseconds{0}, milliseconds{0}, milliseconds{0}, milliseconds{0},
                milliseconds{0}};
    }
};

// The clock the waits are measured on.
using WaitClock = std::chrono::steady_clock;

// How a wait is taken: the clock read and a sleep until a moment on it. The engine
// calls `until` for every wait, even a zero one or one whose moment has passed.
struct Sleeper {
    std::function<WaitClock::time_point()> now;
    std::function<void(WaitClock::time_point)> until;
};

// The system's monotonic clock and an absolute sleep on it: a sleep that ends late
// is seen by the clock, so the next wait can make up for it.
Sleeper systemSleeper();

} // namespace pemrix::link
