#include "relay/relay_image.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace rel = pemrix::relay;

namespace {

using Edits = std::vector<std::pair<int, int>>;

std::vector<int> factoryWith(const Edits& edits) {
    std::vector<int> image = rel::relayFactoryImage();
    for (const auto& [offset, value] : edits) {
        image[static_cast<std::size_t>(offset)] = value;
    }
    return image;
}

} // namespace

TEST(RelayFactory, Meaning) {
    const std::vector<int>& factory = rel::relayFactoryImage();
    ASSERT_EQ(factory.size(), 66u);
    EXPECT_EQ(factory[58], 18);

    const rel::RelayConfig config = rel::decodeRelayConfig(factory);
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(config.sourceRelays[n - 1], n <= 8 ? 1 << (n - 1) : 0) << "source " << n;
    }
    for (int type : rel::NotificationTypes) {
        const bool everyRelay = type <= 3 || type == 7 || type == 12;
        EXPECT_EQ(config.typeMask(type), everyRelay ? 0xFF : 0) << "type " << type;
    }
    for (const auto& mode : config.relayModes) {
        EXPECT_EQ(mode, rel::RelayMode::PcnAlarm);
    }
    EXPECT_EQ(config.controllingDevice, rel::ControllingDevice::OrvelTevRpu);
    EXPECT_EQ(config.speed, rel::LinkSpeed::Speed1200);
}

// An image shown, then collected again. Where the image says nothing (no controlling
// device, a relay in no mode cell) the window keeps what it showed before: here
// device 3 and "Исполнительный".
TEST(RelayCodec, ShownThenCollected) {
    struct Row {
        const char* name;
        Edits shown;     // over the factory image
        Edits collected; // over the factory image
    };
    const Row rows[] = {
        // Type 7 stays 255 although device 0 disables its boxes: checked state counts.
        {"factory image", {}, {}},
        {"device 2 over item 0 keeps sources 9..48",
         {{57, 2}, {8, 0x81}, {47, 0xFF}},
         {{57, 2}, {8, 0x81}, {47, 0xFF}}},
        {"speed 0 is 1200", {{58, 0}}, {}},
        {"speed 72 is 4800", {{58, 72}}, {{58, 72}}},
        {"device 7 keeps the window's device", {{57, 7}}, {{57, 3}}},
        {"device 258 is no device", {{57, 258}}, {{57, 3}}},
        {"relay 3 in no mode cell keeps its mode", {{62, 0xFB}}, {{62, 0xFB}, {64, 0x04}}},
        // Cells 62, 63, 64, 65, 56 in this order, a later one winning.
        {"every mode cell",
         {{63, 0x02}, {64, 0x05}, {65, 0x88}, {56, 0x80}},
         {{62, 0x70}, {63, 0x02}, {64, 0x05}, {65, 0x08}, {56, 0x80}}},
        {"masks take their low eight bits", {{20, 0x1FF}, {60, -1}}, {{20, 0xFF}, {60, 0xFF}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        rel::RelayConfig config = rel::decodeRelayConfig(factoryWith(row.shown));
        if (!config.controllingDevice) {
            config.controllingDevice = rel::ControllingDevice::Orvel417;
        }
        for (auto& mode : config.relayModes) {
            if (!mode) {
                mode = rel::RelayMode::Executive;
            }
        }
        EXPECT_EQ(rel::encodeRelayConfig(config), factoryWith(row.collected));
    }
}

// The version is shown as the number the image holds and never written back.
TEST(RelayCodec, VersionIsShownButCollectedAsZero) {
    const auto config = rel::decodeRelayConfig(factoryWith({{55, 255}}));
    EXPECT_EQ(rel::relayVersionText(config.version), "v255");
    EXPECT_EQ(rel::encodeRelayConfig(config)[55], 0);
}

// Only a mode or device the window can show is written: nothing else reaches the module.
TEST(RelayCodec, FieldsOutsideTheirItemsAreNotWritten) {
    rel::RelayConfig config;
    config.relayModes = {9, -1}; // no such items; relays 3..8 without a selection
    config.controllingDevice = -1;
    std::vector<int> expected(66, 0);
    expected[58] = 18;
    EXPECT_EQ(rel::encodeRelayConfig(config), expected);
}
