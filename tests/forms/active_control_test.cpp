// The window's own active control: exit rules run at once and in order when another
// control is made active, by the user or by code, and may keep their control.

#include "forms/active_control.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace pemrix::forms {
namespace {

class ActiveControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        for (QLineEdit*& edit : edits) {
            edit = new QLineEdit(&window);
            layout->addWidget(edit);
        }
        for (QLineEdit* edit : edits)
            active.setExitRule(edit, [this, edit] { left << edit; });
    }
    void show() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    QLineEdit* edits[3] = {};
    ActiveControl active{&window};
    QList<QWidget*> left;
};

TEST_F(ActiveControlTest, ActivatingByCodeRunsTheLeavingRuleFirst) {
    EXPECT_TRUE(active.activate(edits[0]));
    EXPECT_TRUE(left.isEmpty());
    EXPECT_TRUE(active.activate(edits[1]));
    EXPECT_TRUE(active.activate(edits[1])); // already active: no rule
    EXPECT_TRUE(active.activate(edits[2]));
    EXPECT_EQ(left, (QList<QWidget*>{edits[0], edits[1]}));
    EXPECT_EQ(active.control(), edits[2]);
}

TEST_F(ActiveControlTest, FocusMovedByTheUserRunsTheRuleAtOnce) {
    show();
    QTest::mouseClick(edits[0], Qt::LeftButton);
    QTest::mouseClick(edits[2], Qt::LeftButton);
    EXPECT_EQ(left, QList<QWidget*>{edits[0]});
    EXPECT_EQ(active.control(), edits[2]);
    EXPECT_TRUE(active.activate(edits[1]));
    EXPECT_TRUE(edits[1]->hasFocus());
}

TEST_F(ActiveControlTest, ARuleMayKeepItsControl) {
    show();
    active.setExitRule(edits[0], [this] { active.keepLeavingControl(); });
    EXPECT_TRUE(active.activate(edits[0]));
    EXPECT_FALSE(active.activate(edits[1]));
    EXPECT_EQ(active.control(), edits[0]);
    EXPECT_TRUE(edits[0]->hasFocus());
    QTest::mouseClick(edits[2], Qt::LeftButton);
    EXPECT_TRUE(edits[0]->hasFocus()) << "the user's click is turned back too";
}

TEST_F(ActiveControlTest, ActivationAskedInsideARuleOnlyRedirects) {
    active.setExitRule(edits[0], [this] {
        left << edits[0];
        active.activate(edits[0]); // its own change: does not keep it
        active.activate(edits[2]); // another control: the focus goes there instead
    });
    active.activate(edits[0]);
    EXPECT_FALSE(active.activate(edits[1]));
    EXPECT_EQ(active.control(), edits[2]);
    EXPECT_EQ(left, QList<QWidget*>{edits[0]}) << "edits[1] was never active, so never left";
}

} // namespace
} // namespace pemrix::forms
