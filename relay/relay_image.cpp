#include "relay/relay_image.h"

#include <iterator>

namespace pemrix::relay {

namespace {

using image::bitAt;
using image::byteAt;

std::size_t at(int offset) {
    return static_cast<std::size_t>(offset);
}

// A cell that is a number rather than a mask, as the image holds it. A cell past the
// end of a short image reads as unused memory.
int numberAt(std::span<const int> cells, int offset) {
    return at(offset) < cells.size() ? cells[at(offset)] : image::UnusedByte;
}

bool isControllingDevice(int item) {
    return item >= 0 && item < ControllingDevice::Count;
}

bool isRelayMode(int item) {
    return item >= 0 && item < RelayMode::Count;
}

void encodeModes(const RelayConfig& config, RelayImage& cells) {
    for (int relay = 0; relay < RelayCount; ++relay) {
        const std::optional<int>& mode = config.relayModes[at(relay)];
        if (mode && isRelayMode(*mode)) {
            cells[at(ModeCells[at(*mode)])] |= 1 << relay;
        }
    }
}

// In cell order 62..65, then 56: a relay with its bit in two cells takes the later.
void decodeModes(std::span<const int> cells, RelayConfig& config) {
    for (int mode = 0; mode < RelayMode::Count; ++mode) {
        const std::uint8_t mask = byteAt(cells, at(ModeCells[at(mode)]));
        for (int relay = 0; relay < RelayCount; ++relay) {
            if (bitAt(mask, relay)) {
                config.relayModes[at(relay)] = mode;
            }
        }
    }
}

} // namespace

RelayImage encodeRelayConfig(const RelayConfig& config) {
    RelayImage cells(RelayImageSize, 0);
    for (int n = 0; n < SourceCount; ++n) {
        cells[at(n)] = config.sourceRelays[at(n)];
    }
    for (int type : NotificationTypes) {
        cells[at(Cell::TypeBase + type)] = config.typeMask(type);
    }
    encodeModes(config, cells);
    const int device = config.controllingDevice.value_or(ControllingDevice::OrvelTevRpu);
    cells[at(Cell::ControllingDevice)] =
        isControllingDevice(device) ? device : ControllingDevice::OrvelTevRpu;
    cells[at(Cell::Speed)] = config.speed == LinkSpeed::Speed4800 ? Speed4800Code : Speed1200Code;
    cells[at(Cell::Version)] = 0;
    return cells;
}

RelayConfig decodeRelayConfig(std::span<const int> cells) {
    RelayConfig config;
    for (int n = 0; n < SourceCount; ++n) {
        config.sourceRelays[at(n)] = byteAt(cells, at(n));
    }
    for (int type : NotificationTypes) {
        config.typeMask(type) = byteAt(cells, at(Cell::TypeBase + type));
    }
    decodeModes(cells, config);

    const int device = numberAt(cells, Cell::ControllingDevice);
    config.controllingDevice =
        isControllingDevice(device) ? std::optional<int>(device) : std::nullopt;
    config.speed =
        numberAt(cells, Cell::Speed) == Speed4800Code ? LinkSpeed::Speed4800 : LinkSpeed::Speed1200;
    config.version = numberAt(cells, Cell::Version);
    return config;
}

std::string relayVersionText(int version) {
    return "v" + std::to_string(version);
}

const RelayImage& relayFactoryImage() {
    static const RelayImage factory = [] {
        RelayImage cells = {1, 2, 4, 8, 16, 32, 64, 128};
        cells.resize(SourceCount, 0);
        // Cells 48..65: types 1..7, version, mode 4, device, speed, types 12..14, modes 0..3.
        const int settings[] = {255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 18, 255, 0, 0, 255, 0, 0, 0};
        cells.insert(cells.end(), std::begin(settings), std::end(settings));
        return cells;
    }();
    return factory;
}

} // namespace pemrix::relay
