#include "firesecure/firesecure_image.h"
#include "image/expander_file.h"

#include <gtest/gtest.h>

#include <string>

namespace fs = pemrix::firesecure;
namespace img = pemrix::image;

namespace {

const std::string FactoryFile = [] {
    std::string text = "45\r\n12\r\n192\r\n194\r\n192\r\n195\r\n40\r\n193\r\n";
    for (int i = 0; i < 56; ++i) {
        text += "255\r\n";
    }
    return text + "1\r\n";
}();
const std::string FactoryValues = FactoryFile.substr(0, FactoryFile.size() - 3);

} // namespace

TEST(FireSecureFile, FactoryFileByteForByte) {
    const auto factory = fs::decodeFireSecureConfig(fs::fireSecureFactoryImage());
    EXPECT_EQ(pemrix::image::expanderFileText(fs::encodeFireSecureConfig(factory),
                                              pemrix::link::ModuleKind::FireSecure),
              FactoryFile);

    const auto loaded =
        pemrix::image::parseExpanderFile(FactoryFile, pemrix::link::ModuleKind::FireSecure);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    EXPECT_EQ(loaded.value(), fs::fireSecureFactoryImage());
}

// The rest of the file format and its errors are the expander files' own.
TEST(FireSecureFile, OnlyKindOneLoads) {
    const auto withTail = pemrix::image::parseExpanderFile(
        FactoryFile + "2\r\n", pemrix::link::ModuleKind::FireSecure); // ignored
    ASSERT_TRUE(withTail.ok()) << withTail.error().message;
    EXPECT_EQ(withTail.value(), fs::fireSecureFactoryImage());

    // An Orvel-416 file, refused as such even when its values would not convert.
    for (const std::string& values : {FactoryValues, "y" + FactoryValues.substr(2)}) {
        SCOPED_TRACE(values.substr(0, 2));
        const auto parsed = pemrix::image::parseExpanderFile(values + "2\r\n",
                                                             pemrix::link::ModuleKind::FireSecure);
        ASSERT_FALSE(parsed.ok());
        EXPECT_STREQ(parsed.error().message.c_str(), img::WrongModuleKindMessage);
    }
}
