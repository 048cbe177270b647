// The relay module's configuration file: 66 values and the variant line.

#include "image/error_texts.h"
#include "image/file_access.h"
#include "image/file_lines.h"
#include "relay/relay_file.h"
#include "relay/relay_image.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pemrix::relay;
using pemrix::image::joinLinesCrlf;
using pemrix::image::missingLineText;
using pemrix::image::notAnIntegerInLineText;
using pemrix::image::pathToUtf8;
using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

namespace {

std::vector<int> factoryImage() {
    return relayFactoryImage();
}

std::string linesText(const std::vector<std::string>& lines) {
    return joinLinesCrlf(lines);
}

std::vector<std::string> numberLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(std::to_string(i));
    return lines;
}

} // namespace

TEST(RelayFile, FactoryImageOfAnOrvel426IsSixtySevenCrlfLines) {
    std::string expected;
    for (int value : factoryImage())
        expected += std::to_string(value) + "\r\n";
    expected += "6\r\n";
    ASSERT_EQ(factoryImage().size(), 66U);
    EXPECT_EQ(relayFileText(factoryImage(), pemrix::link::ModuleKind::Rele4), expected);

    const auto parsed = parseRelayFile(expected);
    ASSERT_TRUE(parsed) << parsed.error().message;
    EXPECT_EQ(parsed.value().cells, factoryImage());
    ASSERT_TRUE(parsed.value().variantLine);
    EXPECT_EQ(parsed.value().variantLine.value(), 6);
}

TEST(RelayFile, ReadsLinesOneToSixtySixInOrderAndTheVariantApart) {
    auto sixtySix = numberLines(66);
    auto withOddVariant = sixtySix;
    withOddVariant.push_back("9");
    auto withTrailer = sixtySix;
    withTrailer.insert(withTrailer.end(), {"5", "garbage", ""});
    auto badEarly = numberLines(10);
    badEarly[3] = "x";
    auto badVariant = sixtySix;
    badVariant.push_back("five");

    const std::string noVariantLine = missingLineText("", 67, 66);
    const struct {
        const char* name;
        std::string text;
        std::string fileError;    // empty: the cells are read
        std::string variantError; // empty: the variant line is read
        int variant;
    } rows[] = {
        {"short file", linesText(numberLines(10)), missingLineText("", 11, 10), "", 0},
        {"bad value before the end", linesText(badEarly), notAnIntegerInLineText("", 4, "x"), "",
         0},
        {"empty file", "", missingLineText("", 1, 0), "", 0},
        {"66 lines", linesText(sixtySix), "", noVariantLine, 0},
        {"variant not an integer", linesText(badVariant), "",
         notAnIntegerInLineText("", 67, "five"), 0},
        {"variant out of range is still read", linesText(withOddVariant), "", "", 9},
        {"lines after 67 ignored", linesText(withTrailer), "", "", 5},
        {"LF and CR line ends", "0\n1\r2\r\n" + linesText(numberLines(66)).substr(9), "",
         noVariantLine, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed = parseRelayFile(row.text);
        if (!row.fileError.empty()) {
            ASSERT_FALSE(parsed);
            EXPECT_EQ(parsed.error().message, row.fileError);
            continue;
        }
        ASSERT_TRUE(parsed) << parsed.error().message;
        EXPECT_EQ(parsed.value().cells.size(), 66U);
        const auto& variant = parsed.value().variantLine;
        if (!row.variantError.empty()) {
            ASSERT_FALSE(variant);
            EXPECT_EQ(variant.error().message, row.variantError);
        } else {
            ASSERT_TRUE(variant) << variant.error().message;
            EXPECT_EQ(variant.value(), row.variant);
        }
    }
}

TEST(RelayFile, ValuesAreTakenWithoutRangeCheck) {
    auto lines = numberLines(66);
    lines[0] = "300";
    lines[1] = "-1";
    lines.push_back("5");
    const auto parsed = parseRelayFile(linesText(lines));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed.value().cells[0], 300);
    EXPECT_EQ(parsed.value().cells[1], -1);
}

TEST(RelayFile, AMissingVariantLineNamesTheFile) {
    const auto file = parseRelayFile(linesText(numberLines(66)), "/x/relay.cfg");
    ASSERT_TRUE(file);
    EXPECT_EQ(file.value().variantLine.error().message, missingLineText("/x/relay.cfg", 67, 66));
}
