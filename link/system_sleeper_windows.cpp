// Waits on the performance counter with deadlines: each sleep is on a waitable timer
// set to what is left until the deadline, and a wake-up before it sleeps again. The
// high-resolution timer ends a sleep within a fraction of a millisecond; where the
// system lacks it, the plain timer's late wake-ups are made up by the next wait.

#include "link/timing.h"

#include <windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace pemrix::link {
namespace {

WaitClock::time_point counterNow() {
    static const long long frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER count{};
    ::QueryPerformanceCounter(&count);
    const long long seconds = count.QuadPart / frequency;
    const long long rest = count.QuadPart % frequency;
    return WaitClock::time_point(std::chrono::duration_cast<WaitClock::duration>(
        std::chrono::seconds(seconds) +
        std::chrono::nanoseconds(rest * 1'000'000'000 / frequency)));
}

// One timer per thread that waits, made once.
class ThreadTimer {
  public:
    ThreadTimer()
        : handle_(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                           TIMER_ALL_ACCESS)) {
        if (!handle_)
            handle_ = ::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    ~ThreadTimer() {
        if (handle_)
            ::CloseHandle(handle_);
    }
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    void sleep(std::chrono::nanoseconds length) {
        if (!handle_) {
            ::Sleep(static_cast<DWORD>((length.count() + 999'999) / 1'000'000));
            return;
        }
        LARGE_INTEGER due{};
        due.QuadPart = -((length.count() + 99) / 100); // relative, in 100 ns
        if (::SetWaitableTimer(handle_, &due, 0, nullptr, nullptr, FALSE))
            ::WaitForSingleObject(handle_, INFINITE);
        else
            ::Sleep(static_cast<DWORD>((length.count() + 999'999) / 1'000'000));
    }

  private:
    HANDLE handle_;
};

void sleepUntil(WaitClock::time_point deadline) {
    thread_local ThreadTimer timer;
    for (auto left = deadline - counterNow(); left.count() > 0; left = deadline - counterNow())
        timer.sleep(std::chrono::duration_cast<std::chrono::nanoseconds>(left));
}

} // namespace

Sleeper systemSleeper() {
    return {counterNow, sleepUntil};
}

} // namespace pemrix::link
