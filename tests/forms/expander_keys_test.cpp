// Touch-memory keys in both expander windows: the edits' filter and length rule, the
// target of a key read, keys arriving from the module, and the check before a write.

#include "tests/support/expander_window_rig.h"

#include "link/reports.h"

#include <gmock/gmock.h>

namespace pemrix::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QString ShortKeyCaption = QStringLiteral("Введен идентификатор малой длины");
const QString ShortKeyText = QStringLiteral("Ввести заново?");
const QString NoAuthorityCaption = QStringLiteral("Идентификатор без полномочий");
const QString NoKeyCaption = QStringLiteral("Полномочия установлены, а идентификатор не введен");
const QString DeleteText = QStringLiteral("Удалить?");
const QString KeyExists = QStringLiteral("Идентификатор уже существует в списке");
const QString CopyRemoved = QStringLiteral("Удалена копия идентификатора");
const QString StartsWithFF = QStringLiteral("Идентификатор не может начинаться с FF");

class KeysTest : public ExpanderWindowTest {
  protected:
    void SetUp() override {
        ExpanderWindowTest::SetUp();
        open();
        link();
    }
    bool written() const { return !writtenImage().empty(); }
    std::vector<int> writtenImage() const {
        for (const WorkerStart& start : host.workers)
            if (start.operation == link::Operation::Write)
                return start.data;
        return {};
    }
};
PEMRIX_OVER_EXPANDER_WINDOWS(KeysTest);
TEST_P(KeysTest, TypingKeepsOnlyHexDigitsInCapitals) {
    struct Row {
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {"ab-12", "AB12"},
        {"@", ""},
        {"G", ""},
        {"0f9Ez", "0F9E"},
        {"123456789abcdef", "123456789ABC"}, // at most 12 characters
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        type(id(2), row.typed);
        EXPECT_EQ(id(2)->text(), row.shown);
    }
}

TEST_P(KeysTest, LeavingAShortKeyAsksAndNoPadsWithLeadingZeros) {
    type(id(1), "1234");
    click(box("KeyBox"));
    EXPECT_THAT(dialogs->questionCaptions, ElementsAre(ShortKeyCaption));
    EXPECT_THAT(dialogs->questions, ElementsAre(ShortKeyText));
    EXPECT_EQ(id(1)->text(), "000000001234");
    EXPECT_TRUE(box("KeyBox")->hasFocus());
    EXPECT_TRUE(box("KeyBox")->isChecked());
}

TEST_P(KeysTest, LeavingAShortKeyAndAnsweringYesReturnsToTheEdit) {
    type(id(4), "ABC");
    dialogs->answers = {true};
    click(id(5));
    EXPECT_THAT(dialogs->questions, ElementsAre(ShortKeyText));
    EXPECT_EQ(id(4)->text(), "ABC");
    EXPECT_TRUE(id(4)->hasFocus());
    EXPECT_EQ(form->activeControls().control(), id(4));
}

TEST_P(KeysTest, LeavingAnEmptyOrCompleteKeyAsksNothing) {
    click(id(1));
    click(id(2));
    type(id(2), "0123456789AB");
    click(id(3));
    EXPECT_THAT(dialogs->questions, IsEmpty());
}

TEST_P(KeysTest, AKeyReadGoesToTheClickedSlot) {
    click(button("LoadIdButton")); // nothing chosen yet: nothing happens
    EXPECT_TRUE(host.workers.empty());
    form->LoadIdButtonClick(nullptr); // F6 likewise
    EXPECT_TRUE(host.workers.empty());

    click(id(3));
    EXPECT_EQ(form->targetIdEdit(), id(3));
    form->LoadIdButtonClick(nullptr);
    ASSERT_EQ(host.workers.size(), 1u);
    EXPECT_EQ(host.workers[0].kind, window().kind);
    EXPECT_EQ(pemrix::link::operationValue(host.workers[0].operation), 3);
    EXPECT_THAT(host.workers[0].data, ElementsAre(3));
    EXPECT_TRUE(button("WriteButton")->isEnabled()) << "a key read disables no button";

    link::ShowKeyId(*form, 0xABCD, 3);
    EXPECT_EQ(id(3)->text(), "00000000ABCD");
    link::ShowReport(*form, 12, 0);
    EXPECT_EQ(statusText(), QStringLiteral("Чтение идентификатора завершено"));
}

TEST_P(KeysTest, AKeyAlreadyInAnySlotIsRefusedOnRead) {
    type(id(6), "0000000000A1");
    link::ShowKeyId(*form, 0xA1, 3);
    EXPECT_THAT(dialogs->messages, ElementsAre(KeyExists));
    EXPECT_EQ(id(3)->text(), "");

    dialogs->messages.clear();
    link::ShowKeyId(*form, 0xA1, 6); // the target slot itself holds it
    EXPECT_THAT(dialogs->messages, ElementsAre(KeyExists));
    EXPECT_EQ(id(6)->text(), "0000000000A1");
}

TEST_P(KeysTest, ACopyIsRemovedAtWriteAndTheWriteGoesOn) {
    setKey(2, "0000000000A1", {1});
    setKey(5, "0000000000A1", {2, 3});
    click(button("WriteButton"));
    EXPECT_EQ(id(5)->text(), "");
    EXPECT_FALSE(q(2, 5)->isChecked());
    EXPECT_FALSE(q(3, 5)->isChecked());
    EXPECT_EQ(statusText(), CopyRemoved);
    ASSERT_TRUE(written());
    const auto image = writtenImage();
    EXPECT_THAT(std::vector<int>(image.begin() + 8, image.begin() + 16),
                ElementsAre(0, 0, 0, 0, 0, 0xA1, 0x01, 255));
}

// A key without authority, or authority without a key: the write stops and asks
// whether to delete the row; Yes deletes it, and the next write goes through.
TEST_P(KeysTest, AnIncompleteRowStopsTheWriteAndYesDeletesIt) {
    struct Row {
        const char* key;
        std::vector<int> columns; // open to any key in both windows' factory settings
        QString caption;
        std::string checked;
    };
    const Row rows[] = {
        {"0000000000B2", {}, NoAuthorityCaption, "00000000"},
        {"", {2, 6}, NoKeyCaption, "01000100"},
    };
    for (const Row& row : rows) {
        setKey(6, row.key, row.columns);
        for (bool yes : {false, true}) {
            SCOPED_TRACE(row.caption.toStdString() + (yes ? ": Yes" : ": No"));
            dialogs->questionCaptions.clear();
            dialogs->answers = {yes};
            click(button("WriteButton"));
            EXPECT_THAT(dialogs->questionCaptions, ElementsAre(row.caption));
            EXPECT_EQ(dialogs->questions.last(), DeleteText);
            EXPECT_FALSE(written());
            EXPECT_EQ(id(6)->text(), yes ? "" : row.key);
            EXPECT_EQ(checked(6), yes ? "00000000" : row.checked);
            EXPECT_TRUE(button("WriteButton")->isEnabled());
        }
        click(button("WriteButton"));
        EXPECT_TRUE(written()) << "after Yes the next write goes through";
        host.workers.clear();
        link(); // the write finished
    }
}

TEST_P(KeysTest, AKeyStartingWithFFIsRefusedBeforeAnythingIsWritten) {
    setKey(1, "0000000000C3", {1});
    setKey(2, "FF0000000001", {2});
    click(button("WriteButton"));
    EXPECT_THAT(dialogs->messages, ElementsAre(StartsWithFF));
    EXPECT_FALSE(written());
    EXPECT_TRUE(button("WriteButton")->isEnabled());

    type(id(2), "FE0000000001");
    click(button("WriteButton"));
    EXPECT_TRUE(written());
}

TEST_P(KeysTest, ChoosingToCompleteAShortKeyAtWriteWritesNothing) {
    setKey(1, "0000000000C3", {1});
    click(q(1, 2));
    type(id(2), "12");
    dialogs->answers = {true};       // "Ввести заново?" Yes
    form->WriteButtonClick(nullptr); // F2: the focus is still in Id2
    EXPECT_THAT(dialogs->questions, ElementsAre(ShortKeyText));
    EXPECT_FALSE(written());
    EXPECT_EQ(form->activeControls().control(), id(2));
}

TEST_P(KeysTest, WithTheSecretButtonTheCheckPassesAndNoKeyIsSent) {
    choose("TM", 1);
    EXPECT_TRUE(form->CheckIdentifiers());
    click(button("WriteButton"));
    const auto image = writtenImage();
    ASSERT_EQ(image.size(), 64u);
    EXPECT_EQ(image[3] & 2, 0);
    EXPECT_EQ(std::vector<int>(image.begin() + 8, image.end()), std::vector<int>(56, 255));
}

TEST_P(KeysTest, KeysArePackedWithoutGapsAndShownFromTheFirstSlot) {
    setKey(2, "0102030405A6", {1, 8});
    click(button("WriteButton"));
    const auto image = writtenImage();
    EXPECT_THAT(std::vector<int>(image.begin() + 8, image.begin() + 16),
                ElementsAre(1, 2, 3, 4, 5, 0xA6, 0x81, 255));
    form->ApplyConfigImage(image);
    EXPECT_EQ(id(1)->text(), "0102030405A6");
    EXPECT_TRUE(q(1, 1)->isChecked());
    EXPECT_TRUE(q(8, 1)->isChecked());
    EXPECT_EQ(id(2)->text(), "");
}

TEST_P(KeysTest, EightKeysFillTheImage) {
    for (int slot = 1; slot <= 8; ++slot)
        setKey(slot, QStringLiteral("00000000000%1").arg(slot), {slot});
    click(button("WriteButton"));
    const auto image = writtenImage();
    ASSERT_EQ(image.size(), 64u);
    EXPECT_EQ(image[63], 1 << 7);
    EXPECT_EQ(image[62], 8);
}

} // namespace
} // namespace pemrix::testing
