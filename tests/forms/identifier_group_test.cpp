// The identifier group in the Orvel-417's shape, which the Orvel-416 window does not
// show: arming columns 1..4 under "Взятие" obey the authority rule by 24-hour boxes
// of their own, disarming columns 5..8 under "Снятие" are never restricted but count
// as authority.

#include "forms/accessible_names.h"
#include "forms/active_control.h"
#include "forms/dialogs.h"
#include "forms/identifier_group.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <gtest/gtest.h>

#include <array>

namespace pemrix::forms {
namespace {

class IdentifierGroupTest : public ::testing::Test, public pemrix::testing::WindowControls {
  protected:
    void SetUp() override {
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        for (int loop = 1; loop <= 4; ++loop) {
            roundTheClock[loop - 1] = new QCheckBox(&window);
            QObject::connect(roundTheClock[loop - 1], &QCheckBox::toggled,
                             [this] { group->ChangeIDRules(); });
        }
        const QStringList loops = {"ШС1", "ШС2", "ШС3", "ШС4", "ШС1", "ШС2", "ШС3", "ШС4"};
        group = new IdentifierGroup(
            {loops, {{"Взятие", 1, 4}, {"Снятие", 5, 4}}},
            {4, [this](int column) { return roundTheClock[column - 1]->isChecked(); }},
            {[this] { return keysInUse; }, [this](const QString& text) { statuses << text; }},
            active, &window);
    }
    void TearDown() override { Dialogs::install(nullptr); }
    QWidget* controlsWindow() const override { return const_cast<QWidget*>(&window); }

    // The checked and enabled state of row `slot`, columns 1..8, as "ce" pairs.
    std::string row(int slot) const {
        std::string states;
        for (int column = 1; column <= 8; ++column)
            states += std::string(q(column, slot)->isChecked() ? "x" : ".") +
                      (q(column, slot)->isEnabled() ? "" : "-") + " ";
        return states;
    }

    QWidget window;
    ActiveControl active{&window};
    std::array<QCheckBox*, 4> roundTheClock{};
    bool keysInUse = true;
    QStringList statuses;
    IdentifierGroup* group = nullptr;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
};

TEST_F(IdentifierGroupTest, OnlyTheArmingColumnsFollowTheirLoopsClass) {
    q(2, 2)->setChecked(true); // key 2 arms loop 2, an ordinary loop
    q(6, 2)->setChecked(true); // and disarms it
    roundTheClock[0]->setChecked(true);
    EXPECT_EQ(row(2), ".- x . . . x . . ") << "loop 1 became 24-hour: its arming box goes";
    roundTheClock[3]->setChecked(true);
    EXPECT_EQ(row(2), ".- x . .- . x . . ");
    q(2, 2)->setChecked(false);
    EXPECT_EQ(row(2), ". . . . . x . . ") << "no arming box left: all four enabled";
    q(7, 2)->setChecked(true); // a disarming box runs no rule
    EXPECT_EQ(row(2), ". . . . . x x . ");

    keysInUse = false; // the secret button: the rule is off
    q(1, 3)->setChecked(true);
    q(2, 3)->setChecked(true);
    EXPECT_EQ(row(3), "x x . . . . . . ");
}

TEST_F(IdentifierGroupTest, ADisarmingAuthorityAloneCountsAsAuthority) {
    id(4)->setText("00000000ABCD");
    q(6, 4)->setChecked(true);
    EXPECT_TRUE(group->CheckIdentifiers());
    EXPECT_TRUE(dialogs->questions.isEmpty());

    id(3)->setText("0000000000EF");
    EXPECT_FALSE(group->CheckIdentifiers());
    EXPECT_EQ(dialogs->questionCaptions,
              QStringList{QStringLiteral("Идентификатор без полномочий")});
}

TEST_F(IdentifierGroupTest, BoxesAreSpokenWithTheirSpanningHeading) {
    EXPECT_EQ(spokenName(q(3, 7)), QStringLiteral("Идентификатор 7, Взятие ШС3"));
    EXPECT_EQ(spokenName(q(5, 7)), QStringLiteral("Идентификатор 7, Снятие ШС1"));
    EXPECT_TRUE(namingProblems(group).isEmpty());
}

} // namespace
} // namespace pemrix::forms
