#include "firesecure/firesecure_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace fs = pemrix::firesecure;
using Config = fs::FireSecureConfig;

namespace {

// A header of zeros but `value` at `offset`, then no records.
std::vector<int> imageWith(int offset, int value) {
    std::vector<int> image(64, 255);
    std::fill_n(image.begin(), 8, 0);
    image[static_cast<std::size_t>(offset)] = value;
    return image;
}

} // namespace

TEST(FireSecureFactory, ImageAndMeaning) {
    const Config factory{.delay = 45,
                         .integrationTime = 0b1100,
                         .roundTheClock = 0b1100,
                         .mode = {.identifiersInUse = true},
                         .relay3Mode = 6,
                         .fireLoops = 0b1100,
                         .relay1Binding = 0b0011,
                         .relay2Binding = 0b1100,
                         .relay1Mode = 0,
                         .relay2Mode = 5,
                         .expanderNumber = 1,
                         .relay3Binding = 0b1100};
    std::vector<int> image = {45, 12, 192, 194, 192, 195, 40, 193};
    image.resize(64, 255);
    EXPECT_EQ(fs::fireSecureFactoryImage(), image);
    EXPECT_EQ(fs::decodeFireSecureConfig(image), factory);
    EXPECT_EQ(fs::encodeFireSecureConfig(factory), image);
}

TEST(FireSecureCodec, FieldsOfEachByte) {
    struct Row {
        int offset, value;
        Config expected;
    };
    const Row rows[] = {
        {0, 255, {.delay = 255}}, // above the window's range: the delay rule's to correct
        {1, 0x5A, {.integrationTime = 0b1010, .silentAlarm = 0b0101}},
        {2, 0x93, {.autoArming = 0b0011, .roundTheClock = 0b1001}},
        {3,
         0x1D,
         {.mode = {.keyboardLocked = true,
                   .lightOutput = true,
                   .autonomous = true,
                   .openDoorTactic = true}}},
        {3, 0xA2, {.mode = {.identifiersInUse = true}, .relay3Mode = 5}},
        {3, 0xE0, {.relay3Mode = fs::NoRelayMode}},
        {4, 0x00, {}}, // four security loops, no double triggering
        {4, 0x5A, {.doubleTriggering = 0b1010, .fireLoops = 0b0101}},
        {5, 0x3C, {.relay1Binding = 0b1100, .relay2Binding = 0b0011}},
        {6, 0x2C, {.relay1Mode = 4, .relay2Mode = 5}},
        {6, 0xEC, {.relay1Mode = 4, .relay2Mode = 5}}, // bits 6-7 ignored
        {6, 0x3E, {.relay1Mode = 6, .relay2Mode = fs::NoRelayMode}},
        {7, 0x5F, {.expanderNumber = 15, .relay3Binding = 0b0101}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "byte " << row.offset << " = " << row.value);
        EXPECT_EQ(fs::decodeFireSecureConfig(imageWith(row.offset, row.value)), row.expected);
    }
}

// Every value of every header byte survives a round trip, but for the unused bits 6-7
// of byte 6 (a code 7 included, though it names no item).
TEST(FireSecureCodec, HeaderBytesRoundTrip) {
    for (int offset = 0; offset < 8; ++offset) {
        for (int value = 0; value < 256; ++value) {
            SCOPED_TRACE(testing::Message() << "byte " << offset << " = " << value);
            const auto image = imageWith(offset, value);
            const auto rebuilt = fs::encodeFireSecureConfig(fs::decodeFireSecureConfig(image));
            EXPECT_EQ(rebuilt, imageWith(offset, offset == 6 ? value & 0x3F : value));
        }
    }
}

// A window builds the image from whatever its controls hold, a combo box without an
// item (index -1) included; no cell may leave 0..255 or spill into its neighbour field.
TEST(FireSecureCodec, EncodingStaysWithinEachField) {
    for (int mode : {fs::NoRelayMode, 9}) {
        SCOPED_TRACE(mode);
        const auto image = fs::encodeFireSecureConfig(
            {.relay3Mode = mode, .relay1Mode = mode, .relay2Mode = mode});
        EXPECT_EQ(image[3], 7 << 5);
        EXPECT_EQ(image[6], 7 | 7 << 3);
    }
    const auto image = fs::encodeFireSecureConfig(
        {.delay = 300, .integrationTime = 0xF3, .expanderNumber = 17, .relay3Binding = 0x1A});
    EXPECT_EQ(image[0], 300 & 0xFF);
    EXPECT_EQ(image[1], 0x03);
    EXPECT_EQ(image[7], 0xA1);
}

// Packing itself is the identifier records' own; here only that TM decides.
TEST(FireSecureIdentifiers, RecordsFollowTheTMOutput) {
    Config config{.mode = {.identifiersInUse = true}};
    config.identifiers[1] = {"0123456789AB", 0b1000'0001}; // arm loop 1, disarm loop 4
    const auto shown = fs::decodeFireSecureConfig(fs::encodeFireSecureConfig(config));
    EXPECT_EQ(shown.identifiers[0], config.identifiers[1]);

    config.mode.identifiersInUse = false; // "Секретная кнопка"
    const auto image = fs::encodeFireSecureConfig(config);
    EXPECT_EQ(std::count(image.begin() + 8, image.end(), 255), 56);
}
