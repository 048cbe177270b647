// The rules both expander windows share, driven by object name as a user clicks and
// types: delay, number and tactic, and the output type with the identifier group.

#include "tests/support/expander_window_rig.h"

#include <gmock/gmock.h>

namespace pemrix::testing {
namespace {

const QString DelayRange0 =
    QStringLiteral("Диапазон возможных значений от ") + "0" + QStringLiteral(" до 254");
const QString DelayRange1 =
    QStringLiteral("Диапазон возможных значений от ") + "1" + QStringLiteral(" до 254");
const QString NumberRange = QStringLiteral("Диапазон возможных значений от 0 до 15");

using RulesTest = ExpanderWindowTest;
PEMRIX_OVER_EXPANDER_WINDOWS(RulesTest);

TEST_P(RulesTest, OpenDoorRaisesAZeroDelayAndRefusesZeroUntilClosedDoorAgain) {
    open();
    type(edit("DelayEdit"), "0");
    EXPECT_TRUE(dialogs->messages.isEmpty());

    choose("Taktik", 1);
    EXPECT_EQ(edit("DelayEdit")->text(), "1");
    EXPECT_EQ(form->minDelay(), 1);

    type(edit("DelayEdit"), "0");
    EXPECT_THAT(dialogs->messages, ::testing::ElementsAre(DelayRange1));
    EXPECT_EQ(edit("DelayEdit")->text(), "1");

    choose("Taktik", 0);
    EXPECT_EQ(edit("DelayEdit")->text(), "1") << "the delay keeps its value";
    dialogs->messages.clear();
    type(edit("DelayEdit"), "0");
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_EQ(edit("DelayEdit")->text(), "0");
    EXPECT_EQ(upDown("Delay")->position(), 0);
}

// A value out of range is reset with its message; one that is no number goes to the
// error report naming the field, and the field keeps its last position; an empty
// field or a value in range passes silently.
TEST_P(RulesTest, TypedDelaysAndNumbersAreCheckedAsTheyAreTyped) {
    open();
    struct Row {
        const char* edit;
        const char* typed;
        QString message;   // a plain message box
        const char* error; // the general error report
        const char* after;
        int position; // the image's delay or number afterwards; -1: the image as before
    };
    const Row rows[] = {
        {"DelayEdit", "255", DelayRange0, "", "0", 0},
        // "-", typed first, is no number yet.
        {"DelayEdit", "-3", DelayRange0, "Поле «Время задержки»: «-» — не целое число.", "0", 0},
        {"NumberEdit", "16", NumberRange, "", "0", 0},
        {"NumberEdit", "99", NumberRange, "", "0", 0},
        {"DelayEdit", "12", {}, "", "12", 12},
        {"NumberEdit", "12", {}, "", "12", 12},
        {"DelayEdit", "", {}, "", "", -1},
        {"NumberEdit", "", {}, "", "", -1},
        {"DelayEdit", "x", {}, "Поле «Время задержки»: «x» — не целое число.", "x", -1},
        {"NumberEdit", "x", {}, "Поле «Номер расширителя»: «x» — не целое число.", "x", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.edit) + " \"" + row.typed + "\"");
        const std::vector<int> before = form->BuildConfigImage();
        dialogs->messages.clear();
        dialogs->errors.clear();
        type(edit(row.edit), row.typed);
        EXPECT_EQ(dialogs->messages,
                  row.message.isEmpty() ? QStringList() : QStringList{row.message});
        EXPECT_EQ(dialogs->errors,
                  *row.error ? QStringList{QString::fromUtf8(row.error)} : QStringList());
        EXPECT_EQ(edit(row.edit)->text(), row.after);
        const std::vector<int> image = form->BuildConfigImage();
        if (row.position < 0)
            EXPECT_EQ(image, before);
        else
            EXPECT_EQ(row.edit == std::string("DelayEdit") ? image[0] : image[7] & 15,
                      row.position);
    }
}

TEST_P(RulesTest, SpinButtonsStepWithinTheRangeWithoutWrapping) {
    open();
    forms::UpDown* number = upDown("Number");
    type(edit("NumberEdit"), "15");
    click(number->upButton());
    EXPECT_EQ(edit("NumberEdit")->text(), "15");
    click(number->downButton());
    EXPECT_EQ(edit("NumberEdit")->text(), "14");
    type(edit("NumberEdit"), "0");
    click(number->downButton());
    EXPECT_EQ(edit("NumberEdit")->text(), "0");
    QTest::keyClick(edit("NumberEdit"), Qt::Key_Up);
    EXPECT_EQ(edit("NumberEdit")->text(), "1");
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_P(RulesTest, TheDelayIsShownBeforeTheTacticOfAnImage) {
    open();
    choose("Taktik", 1);
    dialogs->messages.clear();
    auto image = form->factoryImage();
    image[0] = 0; // closed-door tactic in byte 3 (bit 4 clear)
    form->ApplyConfigImage(image);
    EXPECT_THAT(dialogs->messages, ::testing::ElementsAre(DelayRange1));
    EXPECT_EQ(edit("DelayEdit")->text(), "1");
    EXPECT_EQ(group("Taktik")->itemIndex(), 0);

    // With the open-door tactic the delay comes out 1 whatever the window showed.
    choose("Taktik", 0);
    image[3] |= 16;
    dialogs->messages.clear();
    form->ApplyConfigImage(image);
    EXPECT_EQ(edit("DelayEdit")->text(), "1");
    EXPECT_EQ(form->BuildConfigImage()[0], 1);
}

TEST_P(RulesTest, WithTheSecretButtonClicksChangeNothingElse) {
    open();
    choose("TM", 1);
    for (int slot = 1; slot <= 8; ++slot) {
        EXPECT_EQ(enabled(slot), "00000000");
        EXPECT_TRUE(id(slot)->text().isEmpty());
        EXPECT_FALSE(id(slot)->isEnabled());
    }
    click(box(window().roundTheClock(2)));
    q(2, 3)->setChecked(true); // a box checked by code while the group is off
    click(box(window().roundTheClock(2)));
    EXPECT_EQ(checked(3), "01000000");
    EXPECT_EQ(enabled(3), "00000000");
}

TEST_P(RulesTest, SecretButtonAndBackLeavesEmptyEnabledRowsAndFocusesId1) {
    open();
    link();
    setKey(3, "0000000000AB", {1, 2});
    setKey(5, "0000000000CD", {4});
    click(id(6));
    choose("TM", 1);
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    EXPECT_FALSE(find<QWidget>("IdBox")->isEnabled());
    choose("TM", 0);
    for (int slot = 1; slot <= 8; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(id(slot)->text().isEmpty());
        EXPECT_TRUE(id(slot)->isEnabled());
        EXPECT_EQ(checked(slot), "00000000");
        EXPECT_EQ(enabled(slot), "11111111");
    }
    EXPECT_TRUE(id(1)->hasFocus());
    EXPECT_EQ(form->targetIdEdit(), id(1));
    EXPECT_TRUE(button("LoadIdButton")->isEnabled()) << "linked and idle";
}

TEST_P(RulesTest, TheSecretButtonIsOnlyAvailableAsTheSecondItem) {
    open();
    // Not linked: choosing identifiers again keeps the key-read button off.
    choose("TM", 1);
    choose("TM", 0);
    EXPECT_FALSE(button("LoadIdButton")->isEnabled());
    EXPECT_TRUE(form->keyReadSelected());
    choose("TM", 1);
    EXPECT_FALSE(form->keyReadSelected());
}

} // namespace
} // namespace pemrix::testing
