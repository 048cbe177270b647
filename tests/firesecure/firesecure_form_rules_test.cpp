// The Orvel-417 window's loop, relay and authority rules, clicked as a user clicks
// them from the factory settings: loop 1 and 2 security loops, 3 and 4 fire loops;
// relay 1 on loops 1 and 2 "ПЦН тревога", relay 2 on loops 3 and 4 "Пожарная
// тревога", relay 3 on loops 3 and 4 "Неисправность". The delay, number, tactic and
// output-type rules are both expanders' and tested over both in tests/forms.

#include "tests/firesecure/firesecure_form_rig.h"

#include <QGroupBox>

namespace pemrix::firesecure::testing {
namespace {

enum Mode { Alarm = 0, Control = 1, Executive = 2, Lamp = 3, Attention = 4, Fire = 5, Fault = 6 };

using RulesTest = FireSecureFormTest;

TEST_F(RulesTest, Loop1TurnedFireFixesItsOptionsAndRebindsTheRelays) {
    open();
    setLoopType(1, true);
    expectStates({{"ittt1", "C-"},
                  {"avks5", "C-"},
                  {"avks1", "--"},
                  {"ittt5", "--"},
                  {"ds1", "-E"},
                  {"pr1", "CE"},
                  {"pr2", "--"},
                  {"pr3", "-E"},
                  {"pr4", "-E"},
                  {"pr5", "-E"},
                  {"pr6", "--"},
                  {"ss5", "-E"},
                  {"ss6", "--"}});
    EXPECT_EQ(mode(1), Attention);
    EXPECT_EQ(mode(2), Fire);
    EXPECT_EQ(mode(3), Fault);
}

TEST_F(RulesTest, LoopOptionsFollowTheLoopTypes) {
    struct Row {
        const char* what;
        std::vector<std::pair<int, bool>> loopTypes; // clicked in this order
        std::vector<const char*> clicks;             // then these boxes
        std::vector<std::pair<int, bool>> thenTypes;
        std::initializer_list<BoxState> expected;
    };
    const Row rows[] = {
        {"a fire loop 4 clears the auto-arming of security loop 2",
         {{4, false}},
         {"avks2", "ittt6"},
         {{4, true}},
         {{"avks2", "-E"}, {"ittt6", "-E"}, {"avks4", "--"}, {"avks8", "C-"}, {"ds2", "--"}}},
        {"loop 1 back to security loses its 24 hours",
         {{1, true}, {1, false}},
         {},
         {},
         {{"avks5", "-E"}, {"ittt1", "CE"}, {"ds1", "--"}}},
        {"loop 3 back to security keeps its 24 hours",
         {{3, false}},
         {},
         {},
         {{"avks7", "CE"}, {"ittt3", "CE"}, {"ds3", "--"}}},
        {"a fire loop 1 drops its double triggering, loop 2 keeps it",
         {{2, true}},
         {"ds2"},
         {{1, true}},
         {{"ds2", "CE"}, {"ds1", "-E"}, {"ittt1", "C-"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open();
        for (auto [loop, fire] : row.loopTypes)
            setLoopType(loop, fire);
        for (const char* name : row.clicks)
            click(box(QString::fromLatin1(name)));
        for (auto [loop, fire] : row.thenTypes)
            setLoopType(loop, fire);
        expectStates(row.expected);
    }
}

TEST_F(RulesTest, RelayModesSuitTheirBindings) {
    struct Row {
        const char* what;
        std::vector<const char*> clicks; // binding boxes, in order
        int relay;
        int picked; // -1: no pick
        int expected;
    };
    const Row rows[] = {
        {"unchecking the last binding box", {"pr7", "pr8"}, 2, -1, Control},
        {"no binding refuses a security mode", {"pr1", "pr2"}, 1, Lamp, Control},
        {"security loops refuse a fire mode", {"pr7", "pr8", "pr5"}, 2, Fire, Alarm},
        {"security loops keep a security mode", {"pr7", "pr8", "pr5"}, 2, Lamp, Lamp},
        {"fire loops refuse a security mode on relay 1",
         {"pr1", "pr2", "pr3"},
         1,
         Executive,
         Attention},
        {"fire loops refuse a security mode on relay 3", {}, 3, Executive, Fault},
        {"fire loops keep a fire mode", {}, 3, Fire, Fire},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open();
        for (const char* name : row.clicks)
            click(box(QString::fromLatin1(name)));
        if (row.picked >= 0)
            pick(row.relay, row.picked);
        EXPECT_EQ(mode(row.relay), row.expected);
    }
    // After the last binding box of relay 2 is unchecked, all four are free again.
    open();
    click(box("pr7"));
    click(box("pr8"));
    expectStates({{"pr5", "-E"}, {"pr6", "-E"}, {"pr7", "-E"}, {"pr8", "-E"}});
}

TEST_F(RulesTest, AClickOnTheLoopGroupsBackgroundCorrectsTheRelays) {
    open();
    combo("Rele2Combo")->setCurrentIndex(Alarm); // by code: no rule runs
    auto* group = find<QGroupBox>("GroupBox2");
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() / 2, group->height() - 4));
    EXPECT_EQ(mode(2), Attention);
}

TEST_F(RulesTest, ArmingAuthorityStaysWithinOneClassOfLoopsDisarmingIsFree) {
    open();
    setKey(2, "0000000000A2", {2});
    // Loops 3 and 4 are 24-hour loops: arming them is taken from key 2 at once.
    expectStates({{"q12", "-E"}, {"q22", "CE"}, {"q32", "--"}, {"q42", "--"}});
    click(q(7, 2));
    click(box("avks5"));
    expectStates({{"q12", "--"}, {"q22", "CE"}, {"q72", "CE"}, {"q52", "-E"}});
    click(q(2, 2));
    expectStates({{"q12", "-E"}, {"q22", "-E"}, {"q32", "-E"}, {"q42", "-E"}});

    // Loop 2 turned fire makes it a 24-hour loop, away from a key arming loop 1 only.
    click(box("avks5"));
    click(q(1, 2));
    click(q(2, 2));
    ASSERT_EQ(state("q22"), "CE");
    setLoopType(2, true);
    expectStates({{"q12", "CE"}, {"q22", "--"}, {"q72", "CE"}});
}

} // namespace
} // namespace pemrix::firesecure::testing
