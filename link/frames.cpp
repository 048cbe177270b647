#include "link/frames.h"

#include "link/crc8.h"

namespace pemrix::link {
namespace {

ShortFrame syncFrame(std::uint8_t third) {
    ShortFrame frame{Frame::Sync, Frame::Sync, third, 0};
    frame[3] = crc8(std::span<const std::uint8_t>(frame.data(), 3));
    return frame;
}

constexpr std::size_t KeyCodeFirstByte = 2;
constexpr std::size_t KeyCodeBytes = 6;

} // namespace

ShortFrame linkRequest() {
    return {Frame::Sync, Frame::Sync, Frame::ImageLead, Frame::ImageLead};
}

ShortFrame commandHeader(Operation operation) {
    return syncFrame(static_cast<std::uint8_t>(operation));
}

std::vector<std::uint8_t> configurationFrame(std::span<const int> image) {
    std::vector<std::uint8_t> frame;
    frame.reserve(configurationFrameSize(image.size()));
    frame.push_back(Frame::ImageLead);
    frame.push_back(Frame::ImageLead);
    for (int value : image)
        frame.push_back(static_cast<std::uint8_t>(value & 0xFF));
    frame.push_back(crc8(frame));
    return frame;
}

std::vector<int> imageFromFrame(std::span<const std::uint8_t> frame) {
    std::vector<int> image;
    if (frame.size() < 3)
        return image;
    image.reserve(frame.size() - 3);
    for (std::size_t i = 2; i + 1 < frame.size(); ++i)
        image.push_back(frame[i]);
    return image;
}

bool frameCrcMatches(std::span<const std::uint8_t> frame) {
    if (frame.empty())
        return false;
    return crc8(frame.first(frame.size() - 1)) == frame.back();
}

KeyAnswer keyAnswer(std::uint64_t keyCode, std::uint8_t first, std::uint8_t second) {
    KeyAnswer answer{};
    answer[0] = first;
    answer[1] = second;
    for (std::size_t i = 0; i < KeyCodeBytes; ++i)
        answer[KeyCodeFirstByte + i] = static_cast<std::uint8_t>(keyCode >> (8 * i));
    answer[8] = crc8(std::span<const std::uint8_t>(answer.data(), 8));
    return answer;
}

bool keyAnswerCrcMatches(const KeyAnswer& answer) {
    return crc8(answer) == 0;
}

std::uint64_t keyCodeFromAnswer(const KeyAnswer& answer) {
    std::uint64_t code = 0;
    for (std::size_t i = KeyCodeBytes; i-- > 0;)
        code = (code << 8) | answer[KeyCodeFirstByte + i];
    return code;
}

} // namespace pemrix::link
