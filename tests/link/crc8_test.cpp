#include "link/crc8.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using pemrix::link::crc8;

namespace {

// Bit by bit, straight from the polynomial: the oracle for the table.
std::uint8_t bitwiseCrc(std::span<const std::uint8_t> bytes) {
    std::uint8_t crc = 0;
    for (auto byte : bytes) {
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = ((crc ^ (byte >> bit)) & 1U) != 0;
            crc = static_cast<std::uint8_t>(crc >> 1);
            if (mix)
                crc ^= 0x8C;
        }
    }
    return crc;
}

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

} // namespace

TEST(Crc8, CheckValueOverDigits) {
    constexpr std::string_view digits = "123456789";
    std::vector<std::uint8_t> bytes(digits.begin(), digits.end());
    EXPECT_EQ(crc8(bytes), 0xA1);
}

TEST(Crc8, TableAgreesWithBitwiseOracleForEveryByteAfterEveryState) {
    for (int state = 0; state < 256; ++state) {
        for (int value = 0; value < 256; ++value) {
            auto bytes = bytesOf({state, value});
            ASSERT_EQ(crc8(bytes), bitwiseCrc(bytes)) << state << "," << value;
        }
    }
}

TEST(Crc8, WorkedHeadersAndLinkAnswers) {
    const struct {
        int op;
        int crc;
    } rows[] = {
        {0x01, 0x98}, {0x02, 0x7A}, {0x03, 0x24}, {0x51, 0x43},
        {0x52, 0xA1}, {0x05, 0xF9}, {0x06, 0x1B},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.op);
        EXPECT_EQ(crc8(bytesOf({0x55, 0x55, row.op})), row.crc);
    }
}

TEST(Crc8, ZeroConfigurationFrames) {
    std::vector<std::uint8_t> frame64{0xAA, 0xAA};
    frame64.resize(66, 0);
    EXPECT_EQ(crc8(frame64), 0x81);
    std::vector<std::uint8_t> frame66{0xAA, 0xAA};
    frame66.resize(68, 0);
    EXPECT_EQ(crc8(frame66), 0xEB);
}

TEST(Crc8, FrameFollowedByItsCrcChecksToZero) {
    auto frame = bytesOf({0x00, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD});
    frame.push_back(crc8(frame));
    EXPECT_EQ(crc8(frame), 0);
}
