// The Orvel-416 window's authority rule with its eight 24-hour loops: a key's
// authorities stay within one class of loops. The rules it shares with the Orvel-417
// are tested over both windows in tests/forms.

#include "secure/secure_form.h"
#include "tests/support/module_window_rig.h"

namespace pemrix::secure::testing {
namespace {

using AuthorityTest = pemrix::testing::ModuleWindowTest<TSecureForm>;

TEST_F(AuthorityTest, AKeyOnAnOrdinaryLoopLosesTheLoopsMadeRoundTheClock) {
    open();
    click(q(2, 1));
    click(box("ks5"));
    EXPECT_EQ(checked(1), "01000000");
    EXPECT_EQ(enabled(1), "11110111");
    click(q(2, 1));
    EXPECT_EQ(checked(1), "00000000");
    EXPECT_EQ(enabled(1), "11111111");
}

TEST_F(AuthorityTest, TheOnlyAuthorityKeepsItsLoopWhenItBecomesRoundTheClock) {
    open();
    click(q(3, 2));
    click(box("ks3"));
    EXPECT_EQ(checked(2), "00100000");
    EXPECT_EQ(enabled(2), "00100000");
    // The other rows are untouched.
    EXPECT_EQ(enabled(1), "11111111");
}

TEST_F(AuthorityTest, TheLowestCheckedLoopDecidesTheClassOfTheRow) {
    open();
    click(q(1, 4));
    click(q(3, 4));
    click(box("ks3"));
    EXPECT_EQ(checked(4), "10000000");
    EXPECT_EQ(enabled(4), "11011111");

    // Loop 1 made round-the-clock too: the row now keeps 24-hour loops only.
    click(box("ks1"));
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

} // namespace
} // namespace pemrix::secure::testing
