#pragma once
// When each byte sent on a slow line reaches the other end. A byte handed to an idle
// line arrives one byte time later; bytes handed while the line is busy queue behind
// it. Arrival times are counted from the start of each busy stretch on a steady
// clock, so rounding and late wake-ups never add up over a long frame.

#include <chrono>
#include <cstdint>

namespace pemrix::emulator {

class BytePacer {
  public:
    using Clock = std::chrono::steady_clock;

    // 8 data bits with a start and a stop bit.
    static constexpr int BitsPerByte = 10;
    static constexpr int LineBaud = 1200;

    explicit BytePacer(int baud = LineBaud, int bitsPerByte = BitsPerByte);

    // The moment a byte handed to the line at `handedAt` has arrived at the far end.
    Clock::time_point schedule(Clock::time_point handedAt);

    // One byte time.
    std::chrono::nanoseconds byteTime() const { return timeOf(1); }

  private:
    std::chrono::nanoseconds timeOf(std::int64_t bytes) const;

    std::int64_t bitsPerByte_;
    std::int64_t baud_;
    Clock::time_point busySince_{};
    std::int64_t bytesInStretch_ = 0;
};

} // namespace pemrix::emulator
