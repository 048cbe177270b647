// The relay window's file: 67 lines saved from the controls and the variant; lines
// 1..66 applied without a range check, line 67 read afterwards and only without a
// link, and every failure before the image leaves the window as it was.

#include "tests/relay/relay_form_rig.h"

#include "tests/support/temp_folder.h"

#include <QTableWidget>
#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace pemrix::relay::testing {
namespace {

using pemrix::testing::readBytes;
using pemrix::testing::TempFolder;
using pemrix::testing::writeBytes;
using ::testing::ElementsAre;

const QString Saved = QStringLiteral("Запись конфигурации в файл завершено");
const QString Loaded = QStringLiteral("Чтение конфигурации из файла завершено");

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The factory image with source 9 bound to relay 1 through a cell above 255.
std::vector<std::string> fileLines(const char* variantLine) {
    std::vector<std::string> lines;
    for (int cell : relayFactoryImage())
        lines.push_back(std::to_string(cell));
    lines[8] = "257";
    if (variantLine != nullptr)
        lines.push_back(variantLine);
    return lines;
}

class RelayFormFileTest : public RelayFormTest {
  protected:
    void load(const std::vector<std::string>& lines) {
        const auto path = folder / "relay.cfg";
        writeBytes(path, crlfLines(lines));
        dialogs->fileNames.push_back(QString::fromStdString(path.string()));
        click(button("LoadButton"));
    }
    TempFolder folder;
};

TEST_F(RelayFormFileTest, SavesTheImageAndTheVariantIn67Lines) {
    const auto path = folder / "saved.cfg";
    for (const char* variant : {"Orvel426", "Orvel427"}) {
        SCOPED_TRACE(variant);
        radio(variant)->setChecked(true);
        dialogs->fileNames.push_back(QString::fromStdString(path.string()));
        click(button("SaveButton"));
        std::vector<std::string> expected = fileLines(variant[7] == '7' ? "5" : "6");
        expected[8] = "0";
        EXPECT_EQ(readBytes(path), crlfLines(expected));
        EXPECT_EQ(statusText(), Saved);
    }
}

// The four-relay model compares only the tabs it shows.
TEST_F(RelayFormFileTest, ComparesTheTabsTheVariantShows) {
    std::vector<std::string> lines = fileLines("5");
    lines[8] = "0";
    lines[0] = std::to_string(std::stoi(lines[0]) ^ 16); // relay 5 on source 1
    const auto path = folder / "other.cfg";
    writeBytes(path, crlfLines(lines));
    for (const char* variant : {"Orvel426", "Orvel427"}) {
        SCOPED_TRACE(variant);
        click(radio(variant));
        dialogs->messages.clear();
        dialogs->fileNames.push_back(QString::fromStdString(path.string()));
        form->CompareWithFile();
        auto* table = form->findChild<QTableWidget*>("Differences");
        if (variant[7] == '6') {
            EXPECT_THAT(
                dialogs->messages,
                ElementsAre(QStringLiteral("Настройки в окне совпадают с файлом «other.cfg».")));
            EXPECT_EQ(table, nullptr);
        } else {
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->rowCount(), 1);
            EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Реле № 5"));
        }
    }
}

// The module answers while the user picks the name: the file holds what the window
// shows once the dialog has closed.
TEST_F(RelayFormFileTest, SavesWhatTheWindowShowsWhenTheDialogCloses) {
    const auto path = folder / "saved.cfg";
    dialogs->fileNames.push_back(QString::fromStdString(path.string()));
    dialogs->whileFileDialogOpen = [this] {
        form->linkAnswered(link::ModuleKind::Rele8);
        iz(1, 9)->setChecked(true);
    };
    click(button("SaveButton"));
    std::vector<std::string> expected = fileLines("5");
    expected[8] = "1";
    EXPECT_EQ(readBytes(path), crlfLines(expected));
}

struct LoadRow {
    const char* name;
    std::vector<std::string> lines;
    bool linked;      // to an Orvel-426
    const char* tabs; // tabs 1..8 shown afterwards: the variant
    bool applied;     // the image is shown
    bool errorBox;    // a conversion or index error is shown
};

TEST_F(RelayFormFileTest, LoadsTheImageThenTheVariantOnlyWithoutALink) {
    std::vector<std::string> badLine = fileLines("5");
    badLine[9] = "1O";
    std::vector<std::string> short30 = fileLines(nullptr);
    short30.resize(30);
    const LoadRow rows[] = {
        {"variant 5, no link", fileLines("5"), false, "11111111", true, false},
        {"variant 5, linked", fileLines("5"), true, "11110000", true, false},
        {"variant 6", fileLines("6"), false, "11110000", true, false},
        {"variant 9", fileLines("9"), false, "11110000", true, false},
        {"66 lines, no link", fileLines(nullptr), false, "11110000", true, true},
        {"66 lines, linked", fileLines(nullptr), true, "11110000", true, false},
        {"line 67 not a number", fileLines("x"), false, "11110000", true, true},
        {"line 10 not a number", badLine, false, "11110000", false, true},
        {"30 lines", short30, false, "11110000", false, true},
    };
    for (const LoadRow& row : rows) {
        SCOPED_TRACE(row.name);
        form->setLinkDown();
        click(button("DefaultButton"));
        click(radio("Orvel426"));
        if (row.linked) {
            form->linkAnswered(link::ModuleKind::Rele4);
            form->linkEstablished();
        }
        dialogs->errors.clear();
        form->showStatus("");

        load(row.lines);
        EXPECT_EQ(visibleTabs(), row.tabs);
        EXPECT_EQ(iz(1, 9)->isChecked(), row.applied);
        EXPECT_EQ(statusText(), row.applied ? Loaded : QString());
        EXPECT_EQ(dialogs->errors.size(), row.errorBox ? 1 : 0);
    }
}

TEST_F(RelayFormFileTest, AFileOverAMebibyteIsRefusedAndNothingChanges) {
    std::vector<std::string> lines = fileLines("5");
    lines.push_back(std::string(1 << 20, '0'));
    load(lines);
    EXPECT_FALSE(iz(1, 9)->isChecked());
    EXPECT_EQ(visibleTabs(), "11110000");
    EXPECT_EQ(dialogs->messages.size() + dialogs->errors.size(), 1);
}

} // namespace
} // namespace pemrix::relay::testing
