#include "image/key_text.h"

#include <gtest/gtest.h>

#include <string>

namespace img = pemrix::image;

TEST(HexDigitValue, EveryCharacterAgainstTheDigitList) {
    const std::string digits = "0123456789ABCDEF";
    for (int c = -128; c < 128; ++c) {
        const char ch = static_cast<char>(c);
        const auto at = digits.find(ch);
        const int expected = at == std::string::npos ? 0 : static_cast<int>(at);
        SCOPED_TRACE(c);
        EXPECT_EQ(img::HexDigitValue(ch), expected);
        EXPECT_EQ(img::isKeyDigit(ch), at != std::string::npos);
    }
}

TEST(KeyText, FilterPadAndCompleteness) {
    // What typing a, b, a hyphen, 1 and 2 leaves after the edit's capitals: "AB-12".
    EXPECT_EQ(img::keepKeyDigits("AB-12"), "AB12");
    EXPECT_EQ(img::keepKeyDigits("@G0f9"), "09");
    EXPECT_EQ(img::keepKeyDigits("Ж1"), "1"); // bytes of a Cyrillic letter go too

    EXPECT_EQ(img::padKeyText("AB12"), "00000000AB12");
    EXPECT_EQ(img::padKeyText(""), "");
    EXPECT_EQ(img::padKeyText("0123456789AB"), "0123456789AB");
}
