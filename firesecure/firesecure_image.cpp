#include "firesecure/firesecure_image.h"

#include <array>

namespace pemrix::firesecure {

namespace {

using image::byteAt;

constexpr int LoopMask = 0x0F;
constexpr int SecondRowShift = 4; // bits 4-7 of a byte carrying two per-loop rows
constexpr int NumberMask = 0x0F;
constexpr int RelayCodeMask = 0x07;
constexpr int Relay3ModeShift = 5;
constexpr int Relay2ModeShift = 3;

// Two per-loop rows in one byte: `low` in bits 0-3, `high` in bits 4-7.
int rowPair(std::uint8_t low, std::uint8_t high) {
    return (low & LoopMask) | ((high & LoopMask) << SecondRowShift);
}

std::uint8_t lowRow(int cell) {
    return static_cast<std::uint8_t>(cell & LoopMask);
}

std::uint8_t highRow(int cell) {
    return static_cast<std::uint8_t>((cell >> SecondRowShift) & LoopMask);
}

// A combo box with no item (or any other code the list lacks) is stored as the
// unnamed code 7, so the three-bit field never spills into its neighbours.
int relayCode(int mode) {
    return mode >= 0 && mode < RelayModeCount ? mode : UnnamedRelayCode;
}

int relayMode(int code) {
    const int masked = code & RelayCodeMask;
    return masked < RelayModeCount ? masked : NoRelayMode;
}

} // namespace

FireSecureConfigImage encodeFireSecureConfig(const FireSecureConfig& config) {
    FireSecureConfigImage cells =
        image::expanderImage(config.delay, config.mode, config.identifiers);
    cells[1] = rowPair(config.integrationTime, config.silentAlarm);
    cells[2] = rowPair(config.autoArming, config.roundTheClock);
    cells[3] |= relayCode(config.relay3Mode) << Relay3ModeShift;
    cells[4] = rowPair(config.doubleTriggering, config.fireLoops);
    cells[5] = rowPair(config.relay1Binding, config.relay2Binding);
    cells[6] = relayCode(config.relay1Mode) | (relayCode(config.relay2Mode) << Relay2ModeShift);
    cells[7] = (config.expanderNumber & NumberMask) |
               ((config.relay3Binding & LoopMask) << SecondRowShift);
    return cells;
}

FireSecureConfig decodeFireSecureConfig(std::span<const int> cells) {
    FireSecureConfig config;
    config.delay = byteAt(cells, 0);

    const int timesAndAlarms = byteAt(cells, 1);
    config.integrationTime = lowRow(timesAndAlarms);
    config.silentAlarm = highRow(timesAndAlarms);

    const int arming = byteAt(cells, 2);
    config.autoArming = lowRow(arming);
    config.roundTheClock = highRow(arming);

    const std::uint8_t flagsAndRelay3 = byteAt(cells, 3);
    config.mode = image::modeFlagsOf(flagsAndRelay3);
    config.relay3Mode = relayMode(flagsAndRelay3 >> Relay3ModeShift);

    const int loops = byteAt(cells, 4);
    config.doubleTriggering = lowRow(loops);
    config.fireLoops = highRow(loops);

    const int bindings = byteAt(cells, 5);
    config.relay1Binding = lowRow(bindings);
    config.relay2Binding = highRow(bindings);

    const int modes = byteAt(cells, 6);
    config.relay1Mode = relayMode(modes);
    config.relay2Mode = relayMode(modes >> Relay2ModeShift);

    const int numberAndRelay3 = byteAt(cells, 7);
    config.expanderNumber = numberAndRelay3 & NumberMask;
    config.relay3Binding = highRow(numberAndRelay3);

    // Records are read whatever byte 3 says: the window shows what the image holds.
    config.identifiers = image::unpackIdentifierRecords(cells);
    return config;
}

const FireSecureConfigImage& fireSecureFactoryImage() {
    static const auto factory =
        image::expanderImageWithoutRecords(std::array{45, 12, 192, 194, 192, 195, 40, 193});
    return factory;
}

} // namespace pemrix::firesecure
