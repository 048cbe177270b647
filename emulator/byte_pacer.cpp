#include "emulator/byte_pacer.h"

#include <stdexcept>

namespace pemrix::emulator {

BytePacer::BytePacer(int baud, int bitsPerByte) : bitsPerByte_(bitsPerByte), baud_(baud) {
    if (baud <= 0 || bitsPerByte <= 0)
        throw std::invalid_argument("a line needs a positive baud rate and byte size");
}

std::chrono::nanoseconds BytePacer::timeOf(std::int64_t bytes) const {
    return std::chrono::nanoseconds(bytes * bitsPerByte_ * 1'000'000'000 / baud_);
}

BytePacer::Clock::time_point BytePacer::schedule(Clock::time_point handedAt) {
    const auto lineFreeAt = busySince_ + timeOf(bytesInStretch_);
    if (bytesInStretch_ == 0 || handedAt >= lineFreeAt) {
        busySince_ = handedAt;
        bytesInStretch_ = 0;
    }
    ++bytesInStretch_;
    return busySince_ + timeOf(bytesInStretch_);
}

} // namespace pemrix::emulator
