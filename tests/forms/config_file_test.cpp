// Saving and loading configuration files in the shapes the Orvel-416 window does not
// show: a window without the line buffer ListBox1, a step after the load that may
// still fail (the relay window's variant line), and a save the window refuses.

#include "forms/config_file.h"
#include "forms/dialogs.h"
#include "forms/error_report.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_module_window.h"

#include <QStatusBar>
#include <gtest/gtest.h>

namespace pemrix::forms {
namespace {

using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;

class ConfigFileTest : public ::testing::Test {
  protected:
    void SetUp() override { dialogs = &pemrix::testing::ScriptedDialogs::installNew(); }
    void TearDown() override {
        delete window;
        Dialogs::install(nullptr);
    }
    QString status() const {
        return window->findChild<QStatusBar*>("StatusBar1")->currentMessage();
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }

    pemrix::testing::RecordingHost host;
    pemrix::testing::Journal journal;
    pemrix::testing::TestModuleWindow* window =
        new pemrix::testing::TestModuleWindow(host, link::ModuleKind::Rele8, journal);
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    TempFolder folder;
};

TEST_F(ConfigFileTest, AStepAfterTheLoadMayStillFailAfterTheImageAndItsStatus) {
    writeBytes(folder / "short.cfg", "1\r\n2\r\n");
    std::vector<std::string> seenLines;
    ConfigFileLoad load;
    load.parse = [](std::string_view, std::string_view) {
        return image::Result<image::ImageCells>({1, 2});
    };
    load.afterApply = [&](const std::vector<std::string>& lines) {
        seenLines = lines;
        EXPECT_EQ(status(), QString::fromUtf8(FileLoadedStatus));
        throw GeneralError(std::string("List index out of bounds (66)"));
    };
    dialogs->fileNames = {path("short.cfg")};
    loadConfigFile(*window, nullptr, load);
    EXPECT_EQ(journal.entries.back(), "applyImage 1 2");
    EXPECT_EQ(seenLines, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("List index out of bounds (66)")});
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(ConfigFileTest, AWindowWithoutALineBufferSavesItsText) {
    ConfigFileSave save;
    save.text = [] { return image::Result<std::string>(std::string("1\r\n6\r\n")); };
    dialogs->fileNames = {path("relay.cfg")};
    saveConfigFile(*window, nullptr, save);
    EXPECT_EQ(readBytes(folder / "relay.cfg"), "1\r\n6\r\n");
    EXPECT_EQ(status(), QString::fromUtf8(FileSavedStatus));
}

TEST_F(ConfigFileTest, ASaveTheWindowRefusesShowsNoDialogAndWritesNothing) {
    ConfigFileSave save;
    save.text = [] {
        return image::Result<std::string>(
            image::Error{image::ErrorKind::IdentifierStartsWithFF, "нельзя"});
    };
    dialogs->fileNames = {path("never.cfg")};
    saveConfigFile(*window, nullptr, save);
    EXPECT_TRUE(dialogs->fileFilters.isEmpty());
    EXPECT_EQ(dialogs->messages, QStringList{QStringLiteral("нельзя")});
    EXPECT_EQ(folder.entryCount(), 0U);
    EXPECT_TRUE(status().isEmpty());
}

} // namespace
} // namespace pemrix::forms
