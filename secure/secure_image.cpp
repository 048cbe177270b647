#include "secure/secure_image.h"

#include <array>
#include <string>

namespace pemrix::secure {

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

constexpr int NumberMask = 0x0F;
constexpr int RelayModeMask = 0x03;
constexpr int Relay1ModeShift = 4;
constexpr int Relay2ModeShift = 6;

int byteOf(int value) {
    return static_cast<int>(static_cast<unsigned>(value) & 0xFFu);
}

int modeFlags(const SecureConfig& config) {
    int flags = 0;
    flags |= config.keyboardLocked ? 1 << ModeBit::KeyboardLocked : 0;
    flags |= config.identifiersInUse ? 1 << ModeBit::IdentifiersInUse : 0;
    flags |= config.lightOutput ? 1 << ModeBit::LightOutput : 0;
    flags |= config.autonomous ? 1 << ModeBit::Autonomous : 0;
    flags |= config.openDoorTactic ? 1 << ModeBit::OpenDoorTactic : 0;
    return flags;
}

} // namespace

SecureConfigImage encodeSecureConfig(const SecureConfig& config) {
    SecureConfigImage cells(link::ExpanderImageSize, 0);
    cells[0] = byteOf(config.delay);
    cells[1] = config.integrationTime;
    cells[2] = config.silentAlarm;
    cells[3] = modeFlags(config);
    cells[4] = config.autoArming;
    cells[5] = config.roundTheClock;
    cells[6] = config.relayBinding;
    cells[7] = (config.expanderNumber & NumberMask) |
               ((config.relay1Mode & RelayModeMask) << Relay1ModeShift) |
               ((config.relay2Mode & RelayModeMask) << Relay2ModeShift);
    image::packIdentifierRecords(config.identifiers, config.identifiersInUse, cells);
    return cells;
}

SecureConfig decodeSecureConfig(std::span<const int> cells) {
    SecureConfig config;
    config.delay = byteAt(cells, 0);
    config.integrationTime = byteAt(cells, 1);
    config.silentAlarm = byteAt(cells, 2);

    const std::uint8_t flags = byteAt(cells, 3);
    config.keyboardLocked = bitAt(flags, ModeBit::KeyboardLocked);
    config.identifiersInUse = bitAt(flags, ModeBit::IdentifiersInUse);
    config.lightOutput = bitAt(flags, ModeBit::LightOutput);
    config.autonomous = bitAt(flags, ModeBit::Autonomous);
    config.openDoorTactic = bitAt(flags, ModeBit::OpenDoorTactic);

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

std::vector<std::string> secureFactoryImageStrings() {
    return image::decimalStrings(secureFactoryImage());
}

} // namespace pemrix::secure
