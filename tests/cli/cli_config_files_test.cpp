// Which files a command sends to which module, and the files a read leaves.

#include "cli/config_files.h"
#include "image/error_texts.h"
#include "image/expander_file.h"
#include "relay/relay_file.h"
#include "tests/support/temp_folder.h"

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
    return pemrix::image::expanderFileText(countingImage(64),
                                           static_cast<pemrix::link::ModuleKind>(kind));
}

std::string relayFile(int variant, std::vector<int> cells = countingImage(66)) {
    return pemrix::relay::relayFileText(cells, static_cast<pemrix::link::ModuleKind>(variant));
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
        pemrix::link::ModuleKind module;
        std::string error; // empty: accepted
        int fileKind;
    } rows[] = {
        {"416 file for the 416", expanderFile(2), pemrix::link::ModuleKind::Secure, "", 2},
        {"417 file for the 417", expanderFile(1), pemrix::link::ModuleKind::FireSecure, "", 1},
        {"417 file for the 416", expanderFile(1), pemrix::link::ModuleKind::Secure,
         WrongModuleKindMessage, 0},
        {"416 file for the 417", expanderFile(2), pemrix::link::ModuleKind::FireSecure,
         WrongModuleKindMessage, 0},
        {"relay file for the 416", relayFile(5), pemrix::link::ModuleKind::Secure,
         WrongModuleKindMessage, 0},
        {"relay file reading 2 at line 65", relayFile(6, relayCells),
         pemrix::link::ModuleKind::Secure, WrongModuleKindMessage, 0},
        {"relay file, variant 5", relayFile(5), pemrix::link::ModuleKind::Rele8, "", 5},
        {"relay file, variant 6", relayFile(6), pemrix::link::ModuleKind::Rele8, "", 6},
        {"416 file for the relay module", expanderFile(2), pemrix::link::ModuleKind::Rele8,
         WrongModuleKindMessage, 0},
        {"417 file for the relay module", expanderFile(1), pemrix::link::ModuleKind::Rele8,
         WrongModuleKindMessage, 0},
        {"relay file of variant 7", relayFile(7), pemrix::link::ModuleKind::Rele8,
         WrongModuleKindMessage, 0},
        {"relay file without its variant line", shortRelay, pemrix::link::ModuleKind::Rele8,
         missingLineText("", 67, 66), 0},
        {"short expander file", "1\r\n2\r\n", pemrix::link::ModuleKind::Secure,
         missingLineText("", 65, 2), 0},
        {"non-integer value", "x\r\n" + expanderFile(2).substr(5), pemrix::link::ModuleKind::Secure,
         notAnIntegerInLineText("", 1, "x"), 0},
        {"value above a byte", "256\r\n" + expanderFile(2).substr(5),
         pemrix::link::ModuleKind::Secure, notAByteInLineText("", 1, 256), 0},
        {"negative value", relayFile(5, negativeCells), pemrix::link::ModuleKind::Rele8,
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
        EXPECT_EQ(loaded.image->cells,
                  countingImage(row.module == pemrix::link::ModuleKind::Rele8 ? 66 : 64));
        EXPECT_EQ(pemrix::link::kindValue(loaded.image->fileKind), row.fileKind);
    }
}

TEST(CliConfigFiles, LoadsFromDiskAndNamesTheFileInEveryRefusal) {
    TempFolder folder;
    writeBytes(folder / "a.cfg", expanderFile(2));
    const LoadedImage loaded = loadImageToWrite(folder / "a.cfg", pemrix::link::ModuleKind::Secure);
    ASSERT_TRUE(loaded.image) << loaded.error;

    const auto missing = folder / "missing.cfg";
    const LoadedImage none = loadImageToWrite(missing, pemrix::link::ModuleKind::Secure);
    EXPECT_FALSE(none.image);
    EXPECT_EQ(none.error, cannotOpenFileText(missing.string(), FileFailure::NotFound));

    const auto big = folder / "big.cfg";
    writeBytes(big, "300\r\n" + expanderFile(2).substr(5));
    EXPECT_EQ(loadImageToWrite(big, pemrix::link::ModuleKind::Secure).error,
              notAByteInLineText(big.string(), 1, 300));
}

TEST(CliConfigFiles, AFileReadIsTheFileAWindowSaves) {
    EXPECT_EQ(fileTextOfImage(pemrix::link::ModuleKind::Secure, countingImage(64),
                              static_cast<pemrix::link::ModuleKind>(2)),
              expanderFile(2));
    EXPECT_EQ(fileTextOfImage(pemrix::link::ModuleKind::FireSecure, countingImage(64),
                              static_cast<pemrix::link::ModuleKind>(1)),
              expanderFile(1));

    // The relay module's version byte is saved as 0, the variant is the one linked.
    auto fromModule = countingImage(66);
    auto saved = fromModule;
    saved[55] = 0;
    EXPECT_EQ(fileTextOfImage(pemrix::link::ModuleKind::Rele8, fromModule,
                              static_cast<pemrix::link::ModuleKind>(6)),
              relayFile(6, saved));
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
