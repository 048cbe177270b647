// The Orvel-416 window's rules, driven by object name as a user clicks and types:
// delay, number and tactic, the authority rule with 24-hour loops, the output type.

#include "tests/secure/secure_form_rig.h"

#include <gmock/gmock.h>

namespace pemrix::secure::testing {
namespace {

const QString DelayRange0 =
    QStringLiteral("Диапазон возможных значений от ") + "0" + QStringLiteral(" до 254");
const QString DelayRange1 =
    QStringLiteral("Диапазон возможных значений от ") + "1" + QStringLiteral(" до 254");
const QString NumberRange = QStringLiteral("Диапазон возможных значений от 0 до 15");

using RulesTest = SecureFormTest;

TEST_F(RulesTest, OpenDoorRaisesAZeroDelayAndRefusesZeroUntilClosedDoorAgain) {
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

TEST_F(RulesTest, OutOfRangeNumbersAreResetWithTheirMessage) {
    open();
    struct Row {
        const char* edit;
        const char* typed;
        QString message;
        const char* after;
    };
    const Row rows[] = {
        {"DelayEdit", "255", DelayRange0, "0"},
        {"DelayEdit", "-3", DelayRange0, "0"},
        {"NumberEdit", "16", NumberRange, "0"},
        {"NumberEdit", "99", NumberRange, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.edit) + " " + row.typed);
        dialogs->messages.clear();
        type(edit(row.edit), row.typed);
        EXPECT_THAT(dialogs->messages, ::testing::ElementsAre(row.message));
        EXPECT_EQ(edit(row.edit)->text(), row.after);
    }
}

TEST_F(RulesTest, ClearingAFieldOrTypingInRangeShowsNothing) {
    open();
    for (const char* name : {"DelayEdit", "NumberEdit"}) {
        SCOPED_TRACE(name);
        type(edit(name), "");
        EXPECT_EQ(edit(name)->text(), "");
        type(edit(name), "12");
        EXPECT_EQ(edit(name)->text(), "12");
    }
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(form->BuildConfigImage()[0], 12);
    EXPECT_EQ(form->BuildConfigImage()[7] & 15, 12);
}

TEST_F(RulesTest, ANonNumberGoesToTheErrorReportNamingTheFieldAndChangesNothingElse) {
    open();
    const auto before = form->BuildConfigImage();
    const struct {
        const char* field;
        const char* error;
    } rows[] = {
        {"DelayEdit", "Поле «Время задержки»: «x» — не целое число."},
        {"NumberEdit", "Поле «Номер расширителя»: «x» — не целое число."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        dialogs->errors.clear();
        type(edit(row.field), "x");
        EXPECT_THAT(dialogs->errors, ::testing::ElementsAre(QString::fromUtf8(row.error)));
        EXPECT_TRUE(dialogs->messages.isEmpty());
        EXPECT_EQ(edit(row.field)->text(), "x");
        EXPECT_EQ(form->BuildConfigImage(), before) << "the field keeps its last position";
    }
}

TEST_F(RulesTest, SpinButtonsStepWithinTheRangeWithoutWrapping) {
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

TEST_F(RulesTest, TheDelayIsShownBeforeTheTacticOfAnImage) {
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

class AuthorityTest : public SecureFormTest {
  protected:
    std::string enabled(int slot) {
        std::string row;
        for (int loop = 1; loop <= 8; ++loop)
            row += q(loop, slot)->isEnabled() ? '1' : '0';
        return row;
    }
    std::string checked(int slot) {
        std::string row;
        for (int loop = 1; loop <= 8; ++loop)
            row += q(loop, slot)->isChecked() ? '1' : '0';
        return row;
    }
};

TEST_F(AuthorityTest, AKeyOnAnOrdinaryLoopLosesTheLoopsMadeRoundTheClock) {
    open();
    click(q(2, 1));
    click(ks(5));
    EXPECT_EQ(checked(1), "01000000");
    EXPECT_EQ(enabled(1), "11110111");
    click(q(2, 1));
    EXPECT_EQ(checked(1), "00000000");
    EXPECT_EQ(enabled(1), "11111111");
}

TEST_F(AuthorityTest, TheOnlyAuthorityKeepsItsLoopWhenItBecomesRoundTheClock) {
    open();
    click(q(3, 2));
    click(ks(3));
    EXPECT_EQ(checked(2), "00100000");
    EXPECT_EQ(enabled(2), "00100000");
    // The other rows are untouched.
    EXPECT_EQ(enabled(1), "11111111");
}

TEST_F(AuthorityTest, TheLowestCheckedLoopDecidesTheClassOfTheRow) {
    open();
    click(q(1, 4));
    click(q(3, 4));
    click(ks(3));
    EXPECT_EQ(checked(4), "10000000");
    EXPECT_EQ(enabled(4), "11011111");

    // Loop 1 made round-the-clock too: the row now keeps 24-hour loops only.
    click(ks(1));
    EXPECT_EQ(checked(4), "10000000");
    EXPECT_EQ(enabled(4), "10100000");
    click(q(3, 4));
    EXPECT_EQ(checked(4), "10100000");
}

TEST_F(AuthorityTest, AnImageThatBreaksTheRuleIsShownObeyingIt) {
    open();
    auto image = form->factoryImage();
    image[5] = 0x01;                                                 // loop 1 round the clock
    const int record[] = {0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x03}; // loops 1 and 2
    std::copy(std::begin(record), std::end(record), image.begin() + 8);
    form->ApplyConfigImage(image);
    EXPECT_EQ(id(1)->text(), "000000001234");
    EXPECT_EQ(checked(1), "10000000");
    EXPECT_EQ(enabled(1), "10000000");
    EXPECT_EQ(form->BuildConfigImage()[14], 0x01);
}

TEST_F(AuthorityTest, WithTheSecretButtonClicksChangeNothingElse) {
    open();
    choose("TM", 1);
    for (int slot = 1; slot <= 8; ++slot) {
        EXPECT_EQ(enabled(slot), "00000000");
        EXPECT_TRUE(id(slot)->text().isEmpty());
        EXPECT_FALSE(id(slot)->isEnabled());
    }
    click(ks(2));
    q(2, 3)->setChecked(true); // a box checked by code while the group is off
    click(ks(2));
    EXPECT_EQ(checked(3), "01000000");
    EXPECT_EQ(enabled(3), "00000000");
}

TEST_F(AuthorityTest, SecretButtonAndBackLeavesEmptyEnabledRowsAndFocusesId1) {
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

TEST_F(AuthorityTest, TheSecretButtonIsOnlyAvailableAsTheSecondItem) {
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
} // namespace pemrix::secure::testing
