// Which files a command sends to which module, and the files a read leaves.

#include "cli/config_files.h"
#include "image/error_texts.h"
#include "image/expander_file.h"
#include "relay/relay_file.h"
#include "tests/image/temp_folder.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace pemrix::cli;
using pemrix::image::cannotOpenFileText;
using pemrix::image::cannotWriteFileText;
using pemrix::image::FileFailure;
using pemrix::image::missingLineText;
using pemrix::image::notAByteInLineText;
using pemrix::image::notAnIntegerInLineText;
using pemrix::image::WrongModuleKindMessage;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

namespace {

std::vector<int> countingImage(std::size_t size) {
    std::vector<int> cells(size);
    std::iota(cells.begin(), cells.end(), 100);
    return cells;
}

std::string expanderFile(int kind) {
    return pemrix::image::expanderFileText(countingImage(64), kind);
}

std::string relayFile(int variant, std::vector<int> cells = countingImage(66)) {
    return pemrix::relay::relayFileText(cells, variant);
}

} // namespace

TEST(CliConfigFiles, SendsOnlyAFileOfTheModulesKind) {
    // A relay image whose mode byte at offset 64 reads 2 looks like an Orvel-416
    // file down to line 65.
    auto relayCells = countingImage(66);
    relayCells[64] = 2;
    std::string shortRelay = relayFile(6);
    shortRelay.resize(shortRelay.rfind("6\r\n"));
    auto negativeCells = countingImage(66);
    negativeCells[65] = -1;

    const struct {
        const char* name;
        std::string text;
        Module module;
        std::string error; // empty: accepted
        int fileKind;
    } rows[] = {
        {"416 file for the 416", expanderFile(2), Module::Orvel416, "", 2},
        {"417 file for the 417", expanderFile(1), Module::Orvel417, "", 1},
        {"417 file for the 416", expanderFile(1), Module::Orvel416, WrongModuleKindMessage, 0},
        {"416 file for the 417", expanderFile(2), Module::Orvel417, WrongModuleKindMessage, 0},
        {"relay file for the 416", relayFile(5), Module::Orvel416, WrongModuleKindMessage, 0},
        {"relay file reading 2 at line 65", relayFile(6, relayCells), Module::Orvel416,
         WrongModuleKindMessage, 0},
        {"relay file, variant 5", relayFile(5), Module::Relay, "", 5},
        {"relay file, variant 6", relayFile(6), Module::Relay, "", 6},
        {"416 file for the relay module", expanderFile(2), Module::Relay, WrongModuleKindMessage,
         0},
        {"417 file for the relay module", expanderFile(1), Module::Relay, WrongModuleKindMessage,
         0},
        {"relay file of variant 7", relayFile(7), Module::Relay, WrongModuleKindMessage, 0},
        {"relay file without its variant line", shortRelay, Module::Relay,
         missingLineText("", 67, 66), 0},
        {"short expander file", "1\r\n2\r\n", Module::Orvel416, missingLineText("", 65, 2), 0},
        {"non-integer value", "x\r\n" + expanderFile(2).substr(5), Module::Orvel416,
         notAnIntegerInLineText("", 1, "x"), 0},
        {"value above a byte", "256\r\n" + expanderFile(2).substr(5), Module::Orvel416,
         notAByteInLineText("", 1, 256), 0},
        {"negative value", relayFile(5, negativeCells), Module::Relay,
         notAByteInLineText("", 66, -1), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LoadedImage loaded = parseImageToWrite(row.text, row.module);
        if (!row.error.empty()) {
            EXPECT_FALSE(loaded.image);
            EXPECT_EQ(loaded.error, row.error);
            continue;
        }
        ASSERT_TRUE(loaded.image) << loaded.error;
        EXPECT_EQ(loaded.image->cells, countingImage(row.module == Module::Relay ? 66 : 64));
        EXPECT_EQ(loaded.image->fileKind, row.fileKind);
    }
}

TEST(CliConfigFiles, LoadsFromDiskAndNamesTheFileInEveryRefusal) {
    TempFolder folder;
    writeBytes(folder / "a.cfg", expanderFile(2));
    const LoadedImage loaded = loadImageToWrite(folder / "a.cfg", Module::Orvel416);
    ASSERT_TRUE(loaded.image) << loaded.error;

    const auto missing = folder / "missing.cfg";
    const LoadedImage none = loadImageToWrite(missing, Module::Orvel416);
    EXPECT_FALSE(none.image);
    EXPECT_EQ(none.error, cannotOpenFileText(missing.string(), FileFailure::NotFound));

    const auto big = folder / "big.cfg";
    writeBytes(big, "300\r\n" + expanderFile(2).substr(5));
    EXPECT_EQ(loadImageToWrite(big, Module::Orvel416).error,
              notAByteInLineText(big.string(), 1, 300));
}

TEST(CliConfigFiles, AFileReadIsTheFileAWindowSaves) {
    EXPECT_EQ(fileTextOfImage(Module::Orvel416, countingImage(64), 2), expanderFile(2));
    EXPECT_EQ(fileTextOfImage(Module::Orvel417, countingImage(64), 1), expanderFile(1));

    // The relay module's version byte is saved as 0, the variant is the one linked.
    auto fromModule = countingImage(66);
    auto saved = fromModule;
    saved[55] = 0;
    EXPECT_EQ(fileTextOfImage(Module::Relay, fromModule, 6), relayFile(6, saved));
}

TEST(CliConfigFiles, OutputNamesThatCannotBeWrittenAreKnownBeforeAnythingIsSent) {
    TempFolder folder;
    EXPECT_FALSE(outputPathProblem(folder / "new.cfg"));
    writeBytes(folder / "old.cfg", "x");
    EXPECT_FALSE(outputPathProblem(folder / "old.cfg"));

    const auto inMissingFolder = folder / "no" / "such.cfg";
    EXPECT_EQ(outputPathProblem(inMissingFolder),
              cannotWriteFileText(inMissingFolder.string(), FileFailure::NoFolder));
    EXPECT_EQ(outputPathProblem(folder.path()),
              cannotWriteFileText(folder.path().string(), FileFailure::IsFolder));
}
