#include "firesecure/firesecure_image.h"

#include <array>
#include <string>

namespace pemrix::firesecure {

namespace {

using image::bitAt;
using image::byteAt;

namespace ModeBit {
constexpr int KeyboardLocked = 0;
constexpr int IdentifiersInUse = 1;
constexpr int LightOutput = 2;
constexpr int Autonomous = 3;
constexpr int OpenDoorTactic = 4;
} // namespace ModeBit

constexpr int LoopMask = 0x0F;
constexpr int SecondRowShift = 4; // bits 4-7 of a byte carrying two per-loop rows
constexpr int NumberMask = 0x0F;
constexpr int RelayCodeMask = 0x07;
constexpr int Relay3ModeShift = 5;
constexpr int Relay2ModeShift = 3;

int byteOf(int value) {
    return static_cast<int>(static_cast<unsigned>(value) & 0xFFu);
}

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

int modeFlags(const FireSecureConfig& config) {
    int flags = 0;
    flags |= config.keyboardLocked ? 1 << ModeBit::KeyboardLocked : 0;
    flags |= config.identifiersInUse ? 1 << ModeBit::IdentifiersInUse : 0;
    flags |= config.lightOutput ? 1 << ModeBit::LightOutput : 0;
    flags |= config.autonomous ? 1 << ModeBit::Autonomous : 0;
    flags |= config.openDoorTactic ? 1 << ModeBit::OpenDoorTactic : 0;
    return flags | (relayCode(config.relay3Mode) << Relay3ModeShift);
}

void readModeFlags(int flags, FireSecureConfig& config) {
    const auto bits = static_cast<std::uint8_t>(flags);
    config.keyboardLocked = bitAt(bits, ModeBit::KeyboardLocked);
    config.identifiersInUse = bitAt(bits, ModeBit::IdentifiersInUse);
    config.lightOutput = bitAt(bits, ModeBit::LightOutput);
    config.autonomous = bitAt(bits, ModeBit::Autonomous);
    config.openDoorTactic = bitAt(bits, ModeBit::OpenDoorTactic);
    config.relay3Mode = relayMode(flags >> Relay3ModeShift);
}

} // namespace

FireSecureConfigImage encodeFireSecureConfig(const FireSecureConfig& config) {
    FireSecureConfigImage cells(link::ExpanderImageSize, 0);
    cells[0] = byteOf(config.delay);
    cells[1] = rowPair(config.integrationTime, config.silentAlarm);
    cells[2] = rowPair(config.autoArming, config.roundTheClock);
    cells[3] = modeFlags(config);
    cells[4] = rowPair(config.doubleTriggering, config.fireLoops);
    cells[5] = rowPair(config.relay1Binding, config.relay2Binding);
    cells[6] = relayCode(config.relay1Mode) | (relayCode(config.relay2Mode) << Relay2ModeShift);
    cells[7] = (config.expanderNumber & NumberMask) |
               ((config.relay3Binding & LoopMask) << SecondRowShift);
    image::packIdentifierRecords(config.identifiers, config.identifiersInUse, cells);
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

    readModeFlags(byteAt(cells, 3), config);

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

std::vector<std::string> fireSecureFactoryImageStrings() {
    return image::decimalStrings(fireSecureFactoryImage());
}

} // namespace pemrix::firesecure
