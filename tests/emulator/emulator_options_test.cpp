// The emulator's settings as given on a command line: faults, kinds, keys, image files.

#include "emulator/faults.h"
#include "emulator/image_file.h"
#include "emulator/module_config.h"

#include <gtest/gtest.h>

#include <set>

using namespace pemrix::emulator;

TEST(EmulatorOptions, EveryFaultHasItsOwnNameThatParsesBack) {
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < FaultCount; ++i) {
        const FaultInfo& info = faultInfo(static_cast<Fault>(i));
        SCOPED_TRACE(std::string(info.name));
        EXPECT_TRUE(names.insert(info.name).second);
        EXPECT_EQ(info.fault, static_cast<Fault>(i));
        std::string text(info.name);
        if (info.value == FaultValue::Required) {
            text += '=';
            text += std::to_string(info.minValue);
        }
        const auto parsed = parseFault(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->fault, info.fault);
    }
    EXPECT_EQ(names.size(), FaultCount);
}

TEST(EmulatorOptions, FaultNumbers) {
    const struct {
        const char* text;
        bool ok;
        std::optional<int> value;
    } rows[] = {
        {"answer-on-attempt=10", true, 10},
        {"answer-on-attempt", false, {}},
        {"answer-on-attempt=0", false, {}},
        {"answer-on-attempt=3x", false, {}},
        {"answer-on-attempt=", false, {}},
        {"answer-on-attempt=-2", false, {}},
        {"wrong-kind", true, std::nullopt},
        {"wrong-kind=6", true, 6},
        {"wrong-kind=256", false, {}},
        {"dropped-byte=0", true, 0},
        {"silent=1", false, {}},
        {"nonsense", false, {}},
        {"", false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        const auto parsed = parseFault(row.text, &error);
        EXPECT_EQ(parsed.has_value(), row.ok);
        EXPECT_EQ(error.empty(), row.ok);
        if (parsed) {
            EXPECT_EQ(parsed->value, row.value);
        }
    }
}

TEST(EmulatorOptions, FaultsKeepTheirNumbersAndDefaults) {
    Faults faults;
    EXPECT_FALSE(faults.any());
    faults.set(Fault::DroppedByte);
    faults.set(Fault::AnswerOnAttempt, 4);
    EXPECT_TRUE(faults.has(Fault::DroppedByte));
    EXPECT_EQ(faults.value(Fault::DroppedByte), 2);
    EXPECT_EQ(faults.value(Fault::AnswerOnAttempt), 4);
    EXPECT_FALSE(faults.has(Fault::Silent));
    faults.clear(Fault::DroppedByte);
    faults.clear(Fault::AnswerOnAttempt);
    EXPECT_FALSE(faults.any());
}

TEST(EmulatorOptions, Kinds) {
    const struct {
        const char* text;
        pemrix::link::ModuleKind model;
        int kind;
        std::size_t size;
    } rows[] = {
        {"416", pemrix::link::ModuleKind::Secure, 2, 64},
        {"417", pemrix::link::ModuleKind::FireSecure, 1, 64},
        {"426", pemrix::link::ModuleKind::Rele4, 6, 66},
        {"427", pemrix::link::ModuleKind::Rele8, 5, 66},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ASSERT_EQ(parseModuleModel(row.text), row.model);
        EXPECT_EQ(pemrix::link::kindValue(row.model), row.kind);
        EXPECT_EQ(imageSize(row.model), row.size);
    }
    EXPECT_FALSE(parseModuleModel("418"));
    EXPECT_FALSE(parseModuleModel(""));
}

TEST(EmulatorOptions, KeyCodes) {
    std::optional<std::uint64_t> key = 5;
    EXPECT_TRUE(parseKeyCode("0123456789aB", key, nullptr));
    EXPECT_EQ(key, 0x0123456789ABULL);
    EXPECT_TRUE(parseKeyCode("none", key, nullptr));
    EXPECT_FALSE(key);
    for (const char* bad : {"123", "0123456789ABC", "0x23456789AB", "01234567890G", "", "NONE"}) {
        SCOPED_TRACE(bad);
        key = 5;
        std::string error;
        EXPECT_FALSE(parseKeyCode(bad, key, &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(key, 5U) << "a bad key changes nothing";
    }
    EXPECT_EQ(formatKeyCode(0x00000F3C5A71ULL), "00000F3C5A71");
}

TEST(EmulatorOptions, ImageLinesTakeTheFirstLinesOfAnyLineEnding) {
    const char* texts[] = {
        "1\r\n2\r\n3\r\n2\r\n",
        "1\n2\n3\n",
        "1\r2\r3",
        "1\n2\r\n3\rtrailing text is not looked at\n",
        " 1\n+2\n3\t\n", // blanks and a plus, as the program's own file reading takes them
    };
    for (const char* text : texts) {
        SCOPED_TRACE(::testing::PrintToString(std::string(text)));
        std::string error;
        const auto image = readImageLines(text, 3, error);
        ASSERT_TRUE(image) << error;
        EXPECT_EQ(*image, (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

TEST(EmulatorOptions, BadImageLinesAreRefusedWithTheLineNamed) {
    const struct {
        const char* text;
        const char* mentions;
    } rows[] = {
        {"1\n2\n", "2 lines"},    {"1\n256\n3\n", "line 2"}, {"1\n\n3\n", "line 2"},
        {"1\n2\n-3\n", "line 3"}, {"1x\n2\n3\n", "line 1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::string error;
        EXPECT_FALSE(readImageLines(row.text, 3, error));
        EXPECT_NE(error.find(row.mentions), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(readImageFile("/nonexistent/dir/file.cfg", 64, error));
    EXPECT_NE(error.find("/nonexistent/dir/file.cfg"), std::string::npos);
}
