#include "image/decimal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace img = pemrix::image;

TEST(DecimalText, IntegersAccepted) {
    struct Row {
        const char* text;
        int value;
    };
    const Row rows[] = {
        {"0", 0},
        {"255", 255},
        {"007", 7},
        {"-5", -5},
        {"+5", 5},
        {" 12", 12},
        {"12 \t", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const auto parsed = img::parseInteger(row.text);
        ASSERT_TRUE(parsed.ok()) << parsed.error().message;
        EXPECT_EQ(parsed.value(), row.value);
    }
}

TEST(DecimalText, IntegersRefusedNamingTheText) {
    const char* rows[] = {"",  " ", "abc", "12a", "1 2",        "0x10", "$10",
                          "+", "-", "+-1", "--1", "2147483648", "1.5",  "٣"};
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        const auto parsed = img::parseInteger(text);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error().kind, img::ErrorKind::NotAnInteger);
        EXPECT_EQ(parsed.error().message, "«" + std::string(text) + "» — не целое число.");
    }
}

TEST(DecimalText, LongTextIsCutInTheMessageAtACharacterBoundary) {
    const std::string digitsThenLetters = std::string(38, '1') + "ЖЖЖЖ";
    const auto parsed = img::parseInteger(digitsThenLetters);
    ASSERT_FALSE(parsed.ok());
    // The cut counts characters, not bytes: 38 ones and two Ж make the 40 shown.
    EXPECT_EQ(parsed.error().message, "«" + std::string(38, '1') + "ЖЖ…» — не целое число.");

    const std::string huge(1 << 20, 'x');
    EXPECT_LT(img::parseInteger(huge).error().message.size(), 120u);
}
