#include "secure/secure_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace img = pemrix::image;
namespace sec = pemrix::secure;

namespace {

std::vector<int> factoryWithHeader(std::initializer_list<std::pair<int, int>> cells) {
    std::vector<int> image = sec::secureFactoryImage();
    for (const auto& [offset, value] : cells) {
        image[static_cast<std::size_t>(offset)] = value;
    }
    return image;
}

sec::SecureConfig withIdentifiers(bool inUse) {
    sec::SecureConfig config = sec::decodeSecureConfig(sec::secureFactoryImage());
    config.mode.identifiersInUse = inUse;
    return config;
}

} // namespace

TEST(SecureFactory, ImageAndMeaning) {
    const std::vector<int>& factory = sec::secureFactoryImage();
    ASSERT_EQ(factory.size(), 64u);
    const std::vector<int> header = {45, 0, 192, 2, 0, 0, 135, 1};
    EXPECT_EQ(std::vector<int>(factory.begin(), factory.begin() + 8), header);
    for (std::size_t p = 8; p < 64; ++p) {
        EXPECT_EQ(factory[p], 255) << "offset " << p;
    }

    const sec::SecureConfig config = sec::decodeSecureConfig(factory);
    EXPECT_EQ(config.delay, 45);
    EXPECT_EQ(config.integrationTime, 0);
    EXPECT_EQ(config.silentAlarm, 0b1100'0000); // loops 7 and 8
    EXPECT_EQ(config.mode, img::ModeFlags{.identifiersInUse = true});
    EXPECT_EQ(config.autoArming, 0);
    EXPECT_EQ(config.roundTheClock, 0);
    EXPECT_EQ(config.relayBinding, 0b1000'0111); // pr1..pr3 and pr8
    EXPECT_EQ(config.expanderNumber, 1);
    EXPECT_EQ(config.relay1Mode, 0);
    EXPECT_EQ(config.relay2Mode, 0);
    EXPECT_EQ(config.identifiers, img::IdentifierSlots{});
}

TEST(SecureFactory, RoundTripIsExact) {
    EXPECT_EQ(sec::encodeSecureConfig(sec::decodeSecureConfig(sec::secureFactoryImage())),
              sec::secureFactoryImage());
}

// Every value of every header byte that carries no unused bits survives a round trip.
TEST(SecureCodec, HeaderBytesRoundTrip) {
    for (int offset : {0, 1, 2, 4, 5, 6, 7}) {
        for (int value = 0; value < 256; ++value) {
            SCOPED_TRACE(testing::Message() << "offset " << offset << " value " << value);
            const auto image = factoryWithHeader({{offset, value}});
            EXPECT_EQ(sec::encodeSecureConfig(sec::decodeSecureConfig(image)), image);
        }
    }
}

TEST(SecureCodec, ModeFlagBits) {
    struct Row {
        const char* name;
        int byte3;
        img::ModeFlags mode;
    };
    const Row rows[] = {
        {"nothing: secret button", 0, {}},
        {"KeyBox", 1, {.keyboardLocked = true}},
        {"TM on Идентификатор", 2, {.identifiersInUse = true}},
        {"SO on Световой", 4, {.lightOutput = true}},
        {"AutoBox", 8, {.autonomous = true}},
        {"Taktik on Откр. дверь", 16, {.openDoorTactic = true}},
        {"all", 31, {true, true, true, true, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto config = sec::decodeSecureConfig(factoryWithHeader({{3, row.byte3}}));
        EXPECT_EQ(config.mode, row.mode);
        EXPECT_EQ(sec::encodeSecureConfig(config)[3], row.byte3);
    }
}

TEST(SecureCodec, UnusedBitsOfByte3AreIgnoredAndWrittenAsZero) {
    for (int high : {0x20, 0x40, 0x80, 0xE0}) {
        SCOPED_TRACE(high);
        const auto plain = sec::decodeSecureConfig(factoryWithHeader({{3, 0x12}}));
        const auto marked = sec::decodeSecureConfig(factoryWithHeader({{3, 0x12 | high}}));
        EXPECT_EQ(marked, plain);
        EXPECT_EQ(sec::encodeSecureConfig(marked)[3], 0x12);
    }
}

TEST(SecureCodec, Byte7NumberAndRelayModes) {
    struct Row {
        int byte7, number, relay1, relay2;
    };
    const Row rows[] = {{0xE5, 5, 2, 3}, {0x01, 1, 0, 0}, {0x0F, 15, 0, 0},
                        {0x10, 0, 1, 0}, {0x40, 0, 0, 1}, {0xFF, 15, 3, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.byte7);
        const auto config = sec::decodeSecureConfig(factoryWithHeader({{7, row.byte7}}));
        EXPECT_EQ(config.expanderNumber, row.number);
        EXPECT_EQ(config.relay1Mode, row.relay1);
        EXPECT_EQ(config.relay2Mode, row.relay2);
    }
}

TEST(SecureCodec, FieldsAreMaskedToTheirWidths) {
    sec::SecureConfig config = withIdentifiers(true);
    config.delay = 300;
    config.expanderNumber = 17;
    config.relay1Mode = 5;
    config.relay2Mode = -1;
    const auto image = sec::encodeSecureConfig(config);
    EXPECT_EQ(image[0], 300 & 0xFF);
    EXPECT_EQ(image[7], 1 | (1 << 4) | (3 << 6));
    for (int cell : image) {
        EXPECT_GE(cell, 0);
        EXPECT_LE(cell, 255);
    }
}

TEST(SecureCodec, CellsOutsideAByteAreReadThroughTheirLowByte) {
    const auto config = sec::decodeSecureConfig(factoryWithHeader({{0, 300}, {3, -1}, {7, 0x1E5}}));
    EXPECT_EQ(config.delay, 44);
    EXPECT_TRUE(config.mode.keyboardLocked && config.mode.identifiersInUse &&
                config.mode.openDoorTactic);
    EXPECT_EQ(config.expanderNumber, 5);

    const std::vector<int> tooShort = {45, 0};
    EXPECT_EQ(sec::decodeSecureConfig(tooShort).delay, 45); // no crash, the rest as 255
}

TEST(SecureIdentifiers, OneRecordFromSlot2StartsAtOffset8) {
    sec::SecureConfig config = withIdentifiers(true);
    config.identifiers[1] = {"0123456789AB", 0b0000'0101};
    const auto image = sec::encodeSecureConfig(config);
    const std::vector<int> record = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0x05};
    EXPECT_EQ(std::vector<int>(image.begin() + 8, image.begin() + 15), record);
    for (std::size_t p = 15; p < 64; ++p) {
        EXPECT_EQ(image[p], 255) << "offset " << p;
    }

    const auto shown = sec::decodeSecureConfig(image);
    EXPECT_EQ(shown.identifiers[0], (img::IdentifierSlot{"0123456789AB", 0x05}));
    EXPECT_EQ(shown.identifiers[1], img::IdentifierSlot{});
}

TEST(SecureIdentifiers, EightRecordsFillTheImage) {
    sec::SecureConfig config = withIdentifiers(true);
    for (std::size_t k = 0; k < 8; ++k) {
        config.identifiers[k] = {"00000000000" + std::to_string(k + 1),
                                 static_cast<std::uint8_t>(1u << k)};
    }
    const auto image = sec::encodeSecureConfig(config);
    for (std::size_t p = 8; p < 64; ++p) {
        EXPECT_NE(image[p], 255) << "no filler at offset " << p;
    }
    EXPECT_EQ(image[63], 0x80);
    EXPECT_EQ(sec::decodeSecureConfig(image), config);
}

TEST(SecureIdentifiers, SecretButtonStoresNoRecords) {
    sec::SecureConfig config = withIdentifiers(false);
    for (auto& slot : config.identifiers) {
        slot = {"0123456789AB", 0xFF};
    }
    const auto image = sec::encodeSecureConfig(config);
    EXPECT_EQ(image[3] & 2, 0);
    for (std::size_t p = 8; p < 64; ++p) {
        EXPECT_EQ(image[p], 255) << "offset " << p;
    }
}

TEST(SecureIdentifiers, ShortTextsPackAsIfPaddedAtTheEnd) {
    struct Row {
        const char* text;
        const char* shownAs;
    };
    const Row rows[] = {
        {"ABC", "ABC000000000"}, {"1", "100000000000"}, {"0123456789A", "0123456789A0"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        sec::SecureConfig config = withIdentifiers(true);
        config.identifiers[0] = {row.text, 1};
        const auto shown = sec::decodeSecureConfig(sec::encodeSecureConfig(config));
        EXPECT_EQ(shown.identifiers[0].keyText, row.shownAs);
    }
}

// Such an image is what the refusal at writing and saving prevents: the module would
// take the record for the end of the list.
TEST(SecureIdentifiers, RecordBeginningWithFFHidesItAndTheRest) {
    sec::SecureConfig config = withIdentifiers(true);
    config.identifiers[0] = {"0123456789AB", 1};
    config.identifiers[1] = {"FF0000000001", 2};
    config.identifiers[2] = {"000000000002", 4};
    EXPECT_EQ(img::slotStartingWithFF(config.identifiers, true), 2);
    const auto shown = sec::decodeSecureConfig(sec::encodeSecureConfig(config));
    EXPECT_EQ(shown.identifiers[0].keyText, "0123456789AB");
    EXPECT_EQ(shown.identifiers[1], img::IdentifierSlot{});
    EXPECT_EQ(shown.identifiers[2], img::IdentifierSlot{});
}
