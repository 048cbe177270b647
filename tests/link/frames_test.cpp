#include "link/crc8.h"
#include "link/frames.h"
#include "link/key_code.h"
#include "link/module_profile.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pemrix::link;

namespace {

std::vector<std::uint8_t> bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

template <std::size_t N> std::vector<std::uint8_t> bytes(const std::array<std::uint8_t, N>& a) {
    return {a.begin(), a.end()};
}

} // namespace

TEST(Frames, WorkedHeaders) {
    EXPECT_EQ(bytes(linkRequest()), bytes({0x55, 0x55, 0xAA, 0xAA}));
    const struct {
        const char* name;
        ShortFrame frame;
        std::vector<std::uint8_t> expected;
    } rows[] = {
        {"write", commandHeader(Operation::Write), bytes({0x55, 0x55, 0x01, 0x98})},
        {"read", commandHeader(Operation::Read), bytes({0x55, 0x55, 0x02, 0x7A})},
        {"key", commandHeader(Operation::KeyId), bytes({0x55, 0x55, 0x03, 0x24})},
        {"relay write", commandHeader(Operation::ReleWrite), bytes({0x55, 0x55, 0x51, 0x43})},
        {"relay read", commandHeader(Operation::ReleRead), bytes({0x55, 0x55, 0x52, 0xA1})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(bytes(row.frame), row.expected);
    }
}

TEST(Frames, ZeroImagesCarryTheKnownCrc) {
    const auto frame64 = configurationFrame(std::vector<int>(64, 0));
    ASSERT_EQ(frame64.size(), 67U);
    EXPECT_EQ(frame64[0], 0xAA);
    EXPECT_EQ(frame64[1], 0xAA);
    EXPECT_EQ(frame64.back(), 0x81);
    const auto frame66 = configurationFrame(std::vector<int>(66, 0));
    ASSERT_EQ(frame66.size(), 69U);
    EXPECT_EQ(frame66.back(), 0xEB);
    EXPECT_TRUE(frameCrcMatches(frame64));
    EXPECT_TRUE(frameCrcMatches(frame66));
}

TEST(Frames, ImageRoundTripsThroughAFrame) {
    std::vector<int> image;
    for (int i = 0; i < 66; ++i)
        image.push_back(255 - 3 * i);
    auto frame = configurationFrame(image);
    EXPECT_EQ(imageFromFrame(frame), image);
    frame[10] ^= 0x04;
    EXPECT_FALSE(frameCrcMatches(frame));
    EXPECT_TRUE(imageFromFrame(std::vector<std::uint8_t>{0xAA, 0xAA}).empty());
    EXPECT_FALSE(frameCrcMatches({}));
}

TEST(Frames, KeyAnswerCarriesTheCodeLeastSignificantByteFirst) {
    const auto answer = keyAnswer(0x060504030201ull, 0x00, 0x01);
    EXPECT_EQ(bytes(answer),
              bytes({0x00, 0x01, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                     crc8(bytes({0x00, 0x01, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06}))}));
    EXPECT_TRUE(keyAnswerCrcMatches(answer));
    EXPECT_EQ(keyCodeFromAnswer(answer), 0x060504030201ull);
    auto spoiled = answer;
    spoiled[4] ^= 0x80;
    EXPECT_FALSE(keyAnswerCrcMatches(spoiled));
}

TEST(KeyCode, FormatsAsTwelveUppercaseDigits) {
    const struct {
        std::uint64_t code;
        const char* text;
    } rows[] = {
        {0xABCD, "00000000ABCD"},
        {0, "000000000000"},
        {0x0123456789AB, "0123456789AB"},
        {NoKeyCode, "FFFFFFFFFFFF"},
        {0xFFFF000000000001ull, "000000000001"}, // bits above 48 are not part of a code
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(formatKeyCode(row.code), row.text);
    }
}

TEST(KeyCode, ParsesOnlyCompleteUppercaseCodes) {
    EXPECT_EQ(parseKeyCode("00000000ABCD"), std::uint64_t{0xABCD});
    EXPECT_EQ(parseKeyCode("FFFFFFFFFFFF"), NoKeyCode);
    for (const char* bad : {"", "ABCD", "00000000abcd", "00000000ABCDE", "0000000ABCD",
                            "00000000ABCG", "0000 000ABCD", "-00000000ABC"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(parseKeyCode(bad).has_value());
    }
    for (std::uint64_t code : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{0xABCD},
                               std::uint64_t{0x800000000000}, NoKeyCode - 1}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(parseKeyCode(formatKeyCode(code)), code);
    }
}

TEST(KeyCode, AllOnesMeansNoKey) {
    EXPECT_TRUE(isNoKey(NoKeyCode));
    EXPECT_FALSE(isNoKey(NoKeyCode - 1));
    EXPECT_FALSE(isNoKey(0));
}
