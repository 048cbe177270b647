// Waits on CLOCK_MONOTONIC with absolute deadlines: a late wake-up moves no later
// deadline, and a signal only restarts the same sleep.

#include "link/timing.h"

#include <cerrno>
#include <time.h>

namespace pemrix::link {
namespace {

// The clock is read here too, so that the moments handed back and slept to are on
// one clock whatever the standard library's steady clock is built on.
WaitClock::time_point monotonicNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return WaitClock::time_point(std::chrono::duration_cast<WaitClock::duration>(
        std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec)));
}

void sleepUntil(WaitClock::time_point deadline) {
    const auto since =
        std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch());
    if (since.count() <= 0)
        return;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
    timespec until{};
    until.tv_sec = static_cast<time_t>(seconds.count());
    until.tv_nsec = static_cast<long>((since - seconds).count());
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

} // namespace

Sleeper systemSleeper() {
    return {monotonicNow, sleepUntil};
}

} // namespace pemrix::link
