#include "image/config_file_dialog.h"
#include "image/error_texts.h"
#include "image/expander_file.h"
#include "image/file_lines.h"
#include "secure/secure_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace img = pemrix::image;
namespace sec = pemrix::secure;

namespace {

const std::string FactoryFile = [] {
    std::string text = "45\r\n0\r\n192\r\n2\r\n0\r\n0\r\n135\r\n1\r\n";
    for (int i = 0; i < 56; ++i) {
        text += "255\r\n";
    }
    return text + "2\r\n";
}();

sec::SecureConfig factoryConfig() {
    return sec::decodeSecureConfig(sec::secureFactoryImage());
}

// The factory file with lines (1-based numbers) replaced.
std::string factoryFileWith(std::initializer_list<std::pair<int, std::string>> replaced) {
    auto lines = img::splitLines(FactoryFile);
    for (const auto& [number, text] : replaced) {
        lines[static_cast<std::size_t>(number - 1)] = text;
    }
    return img::joinLinesCrlf(lines);
}

std::string factoryFileWithLine(int number, const std::string& text) {
    return factoryFileWith({{number, text}});
}

void expectError(const img::Result<sec::SecureConfigImage>& loaded, img::ErrorKind kind,
                 const std::string& message) {
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error().kind, kind);
    EXPECT_EQ(loaded.error().message, message);
}

} // namespace

TEST(SecureFile, FactoryFileByteForByte) {
    const std::string text = pemrix::image::expanderFileText(
        sec::encodeSecureConfig(factoryConfig()), pemrix::link::ModuleKind::Secure);
    EXPECT_EQ(text, FactoryFile);
    EXPECT_EQ(img::splitLines(text).size(), 65u);

    const auto loaded = pemrix::image::parseExpanderFile(text, pemrix::link::ModuleKind::Secure);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    EXPECT_EQ(loaded.value(), sec::secureFactoryImage());
}

TEST(SecureFile, IdentifiersSurviveSaveAndLoad) {
    sec::SecureConfig config = factoryConfig();
    config.identifiers[0] = {"0123456789AB", 0x03};
    config.identifiers[1] = {"0123456789AB", 0x03}; // a copy is saved as it stands
    config.identifiers[3] = {"00000000ABCD", 0x00}; // so is a key without authority
    config.identifiers[4] = {"", 0xFF};             // authorities without a key are not
    config.expanderNumber = 15;
    config.relay2Mode = 3;
    const auto text = img::expanderConfigFileText(sec::encodeSecureConfig(config),
                                                  pemrix::link::ModuleKind::Secure,
                                                  config.identifiers, config.mode.identifiersInUse);
    ASSERT_TRUE(text.ok());
    const auto loaded =
        pemrix::image::parseExpanderFile(text.value(), pemrix::link::ModuleKind::Secure);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;

    const auto shown = sec::decodeSecureConfig(loaded.value());
    EXPECT_EQ(shown.identifiers[0], config.identifiers[0]);
    EXPECT_EQ(shown.identifiers[1], config.identifiers[1]);
    EXPECT_EQ(shown.identifiers[2], config.identifiers[3]);
    EXPECT_EQ(shown.identifiers[3], img::IdentifierSlot{});
    EXPECT_EQ(shown.expanderNumber, 15);
    EXPECT_EQ(shown.relay2Mode, 3);
}

TEST(SecureFile, SecretButtonWritesLines9To64As255) {
    sec::SecureConfig config = factoryConfig();
    config.mode.identifiersInUse = false;
    config.identifiers[0] = {"0123456789AB", 1};
    const auto lines = img::splitLines(pemrix::image::expanderFileText(
        sec::encodeSecureConfig(config), pemrix::link::ModuleKind::Secure));
    for (std::size_t i = 8; i < 64; ++i) {
        EXPECT_EQ(lines[i], "255") << "line " << i + 1;
    }
}

TEST(SecureFile, AcceptedVariants) {
    struct Row {
        const char* name;
        std::string text;
    };
    std::string lfOnly = FactoryFile, crOnly = FactoryFile;
    std::erase(lfOnly, '\r');
    std::erase(crOnly, '\n');
    const Row rows[] = {
        {"LF line ends", lfOnly},
        {"CR line ends", crOnly},
        {"no end after the last line", FactoryFile.substr(0, FactoryFile.size() - 2)},
        {"lines after line 65 are ignored", FactoryFile + "junk\r\n\r\n7\r\n"},
        {"blanks around numbers", factoryFileWithLine(1, " 45 ")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto parsed =
            pemrix::image::parseExpanderFile(row.text, pemrix::link::ModuleKind::Secure);
        ASSERT_TRUE(parsed.ok()) << parsed.error().message;
        EXPECT_EQ(parsed.value(), sec::secureFactoryImage());
    }
}

TEST(SecureFile, RefusedTexts) {
    const std::string kindMismatch = img::WrongModuleKindMessage;
    std::string sixtyFour = FactoryFile.substr(0, FactoryFile.size() - 3);
    struct Row {
        const char* name;
        std::string text;
        img::ErrorKind kind;
        std::string message;
    };
    const Row rows[] = {
        {"an Orvel-417 file", factoryFileWithLine(65, "1"), img::ErrorKind::WrongModuleKind,
         kindMismatch},
        {"a relay variant", factoryFileWithLine(65, "6"), img::ErrorKind::WrongModuleKind,
         kindMismatch},
        {"64 lines", sixtyFour, img::ErrorKind::ListIndexOutOfBounds,
         img::missingLineText("", 65, 64)},
        {"empty file", "", img::ErrorKind::ListIndexOutOfBounds, img::missingLineText("", 65, 0)},
        {"kind line not an integer", factoryFileWithLine(65, "2a"), img::ErrorKind::NotAnInteger,
         img::notAnIntegerInLineText("", 65, "2a")},
        {"a value not an integer", factoryFileWithLine(10, "25 5"), img::ErrorKind::NotAnInteger,
         img::notAnIntegerInLineText("", 10, "25 5")},
        {"an empty value line", factoryFileWithLine(64, ""), img::ErrorKind::NotAnInteger,
         img::notAnIntegerInLineText("", 64, "")},
        {"the first bad line is reported", factoryFileWith({{3, "y"}, {5, "x"}}),
         img::ErrorKind::NotAnInteger, img::notAnIntegerInLineText("", 3, "y")},
        {"the kind is checked before the values", factoryFileWith({{1, "y"}, {65, "1"}}),
         img::ErrorKind::WrongModuleKind, kindMismatch},
        // A value no byte holds would be shown as its low eight bits.
        {"a value above a byte", factoryFileWithLine(7, "300"), img::ErrorKind::NotAByte,
         img::notAByteInLineText("", 7, 300)},
        {"256", factoryFileWithLine(1, "256"), img::ErrorKind::NotAByte,
         img::notAByteInLineText("", 1, 256)},
        {"a negative value", factoryFileWith({{2, "-1"}, {3, "x"}}), img::ErrorKind::NotAByte,
         img::notAByteInLineText("", 2, -1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        expectError(pemrix::image::parseExpanderFile(row.text, pemrix::link::ModuleKind::Secure),
                    row.kind, row.message);
    }
}

// Read from a file, a conversion error names the file (reading and writing the file
// itself are image/file_access's).
TEST(SecureFile, AConversionErrorNamesTheFile) {
    expectError(pemrix::image::parseExpanderFile(factoryFileWithLine(7, "x"),
                                                 pemrix::link::ModuleKind::Secure, "/tmp/word.cfg"),
                img::ErrorKind::NotAnInteger, img::notAnIntegerInLineText("/tmp/word.cfg", 7, "x"));
}

TEST(SecureFile, KeyBeginningWithFFIsRefused) {
    sec::SecureConfig config = factoryConfig();
    config.identifiers[0] = {"0123456789AB", 1};
    config.identifiers[5] = {"FF1234567890", 1};
    const auto text = [&config] {
        return img::expanderConfigFileText(sec::encodeSecureConfig(config),
                                           pemrix::link::ModuleKind::Secure, config.identifiers,
                                           config.mode.identifiersInUse);
    };
    ASSERT_FALSE(text().ok());
    EXPECT_EQ(text().error().kind, img::ErrorKind::IdentifierStartsWithFF);
    EXPECT_EQ(text().error().message, img::IdentifierStartsWithFFMessage);

    // With the secret button no key is stored, so nothing stands in the way.
    config.mode.identifiersInUse = false;
    EXPECT_TRUE(text().ok());
}

TEST(SecureFile, DialogSettings) {
    EXPECT_STREQ(img::ConfigFileFilter, "Файлы конфигурации (*.cfg)|*.cfg|Все файлы|*.*");
    EXPECT_STREQ(img::ConfigFileDefaultSuffix, "cfg");
}
