#pragma once
// The frames that pass between the configurator and a module, as pure functions:
// the exchange engine builds and checks them, the module emulator answers with them.

#include "link/module_profile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pemrix::link {

namespace Frame {
inline constexpr std::uint8_t Sync = 0x55;      // leads requests, headers, link answers
inline constexpr std::uint8_t ImageLead = 0xAA; // leads configuration frames
inline constexpr std::uint8_t Accept = 0x00;    // verdict, acknowledgement
inline constexpr std::uint8_t Reject = 0xFF;    // verdict
inline constexpr std::uint8_t NoKeyLead = 0xFF; // a key answer that starts so has no key
inline constexpr std::size_t ShortSize = 4;     // link request and answer, header
inline constexpr std::size_t KeyAnswerSize = 9;
} // namespace Frame

using ShortFrame = std::array<std::uint8_t, Frame::ShortSize>;
using KeyAnswer = std::array<std::uint8_t, Frame::KeyAnswerSize>;

// 55 55 AA AA.
ShortFrame linkRequest();
// 55 55 op crc.
ShortFrame commandHeader(Operation operation);

// Frame length of an image of the given size: AA AA, the image, the CRC.
constexpr std::size_t configurationFrameSize(std::size_t imageSize) {
    return imageSize + 3;
}
// AA AA, the low byte of every entry, the CRC of all bytes before it.
std::vector<std::uint8_t> configurationFrame(std::span<const int> image);
// The image a configuration frame carries (its two leading bytes and the CRC left
// out), every value 0..255. The frame must hold at least three bytes.
std::vector<int> imageFromFrame(std::span<const std::uint8_t> frame);

// True when the last byte is the CRC of all bytes before it.
bool frameCrcMatches(std::span<const std::uint8_t> frame);

// A key answer: two leading bytes, the key code least significant byte first, and
// the CRC that makes the CRC over all nine bytes zero.
KeyAnswer keyAnswer(std::uint64_t keyCode, std::uint8_t first = 0x00, std::uint8_t second = 0x01);
// True when the CRC over all nine bytes is zero.
bool keyAnswerCrcMatches(const KeyAnswer& answer);
// Bytes 7 down to 2, most significant first.
std::uint64_t keyCodeFromAnswer(const KeyAnswer& answer);

} // namespace pemrix::link
