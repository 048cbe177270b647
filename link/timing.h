#pragma once
// The fixed waits of an exchange. Production runs with the defaults; tests and the
// fuzzer pass zero or scaled waits and a sleeping function that records instead of
// sleeping.

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

// How a wait is taken. The engine calls it for every wait, even a zero one.
using Sleeper = std::function<void(std::chrono::milliseconds)>;

// Really sleeps (nothing for a zero or negative wait).
void sleepFor(std::chrono::milliseconds duration);

} // namespace pemrix::link
