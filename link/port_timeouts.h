#pragma once
// The time-outs the line runs with, in milliseconds. A read of n bytes gives up
// after 100·n + 10 ms in total (110 ms for one byte, 410 ms for four), and a read
// that has begun to receive also gives up when the next byte is a second late.
// A write of n bytes may take 100·n + 10 ms.

#include <chrono>
#include <cstddef>

namespace pemrix::link::port_timeouts {

inline constexpr unsigned readIntervalMs = 1000;
inline constexpr unsigned readTotalMultiplierMs = 100;
inline constexpr unsigned readTotalConstantMs = 10;
inline constexpr unsigned writeTotalMultiplierMs = 100;
inline constexpr unsigned writeTotalConstantMs = 10;

constexpr std::chrono::milliseconds readTotal(std::size_t count) {
    return std::chrono::milliseconds(readTotalMultiplierMs * count + readTotalConstantMs);
}
constexpr std::chrono::milliseconds writeTotal(std::size_t count) {
    return std::chrono::milliseconds(writeTotalMultiplierMs * count + writeTotalConstantMs);
}
constexpr std::chrono::milliseconds readInterval() {
    return std::chrono::milliseconds(readIntervalMs);
}

} // namespace pemrix::link::port_timeouts
