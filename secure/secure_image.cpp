#include "secure/secure_image.h"

#include <array>

namespace pemrix::secure {

namespace {

using image::byteAt;

constexpr int NumberMask = 0x0F;
constexpr int RelayModeMask = 0x03;
constexpr int Relay1ModeShift = 4;
constexpr int Relay2ModeShift = 6;

} // namespace

SecureConfigImage encodeSecureConfig(const SecureConfig& config) {
    SecureConfigImage cells = image::expanderImage(config.delay, config.mode, config.identifiers);
    cells[1] = config.integrationTime;
    cells[2] = config.silentAlarm;
    cells[4] = config.autoArming;
    cells[5] = config.roundTheClock;
    cells[6] = config.relayBinding;
    cells[7] = (config.expanderNumber & NumberMask) |
               ((config.relay1Mode & RelayModeMask) << Relay1ModeShift) |
               ((config.relay2Mode & RelayModeMask) << Relay2ModeShift);
    return cells;
}

SecureConfig decodeSecureConfig(std::span<const int> cells) {
    SecureConfig config;
    config.delay = byteAt(cells, 0);
    config.integrationTime = byteAt(cells, 1);
    config.silentAlarm = byteAt(cells, 2);
    config.mode = image::modeFlagsOf(byteAt(cells, 3));
    config.autoArming = byteAt(cells, 4);
    config.roundTheClock = byteAt(cells, 5);
    config.relayBinding = byteAt(cells, 6);

    const int numberAndModes = byteAt(cells, 7);
    config.expanderNumber = numberAndModes & NumberMask;
    config.relay1Mode = (numberAndModes >> Relay1ModeShift) & RelayModeMask;
    config.relay2Mode = (numberAndModes >> Relay2ModeShift) & RelayModeMask;

    // Records are read whatever byte 3 says: the window shows what the image holds.
    config.identifiers = image::unpackIdentifierRecords(cells);
    return config;
}

const SecureConfigImage& secureFactoryImage() {
    static const auto factory =
        image::expanderImageWithoutRecords(std::array{45, 0, 192, 2, 0, 0, 135, 1});
    return factory;
}

} // namespace pemrix::secure
