// The program-wide key catcher: every press counts once and is never consumed.

#include "app/application_events.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace pemrix::app {
namespace {

// A control that takes the keys it is given, so they go no further.
class KeyTaker : public QWidget {
  public:
    using QWidget::QWidget;
    int taken = 0;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++taken;
        event->accept();
    }
};

class ApplicationEventsTest : public ::testing::Test {
  protected:
    ApplicationEventsTest() {
        // window > group > edit, and a control that keeps its keys.
        auto* group = new QGroupBox(&window);
        edit = new QLineEdit(group);
        (new QVBoxLayout(group))->addWidget(edit);
        taker = new KeyTaker(group);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(group);
        other = new QLineEdit;
        QObject::connect(&events, &ApplicationEvents::ShortCut, [this](int key) {
            keys.push_back(key);
            if (onKey)
                onKey(key);
        });
        window.show();
    }
    ~ApplicationEventsTest() override { delete other; }

    QWidget window;
    QLineEdit* edit = nullptr;
    KeyTaker* taker = nullptr;
    QLineEdit* other = nullptr;
    ApplicationEvents events;
    std::vector<int> keys;
    std::function<void(int)> onKey;
};

TEST_F(ApplicationEventsTest, APressGoingUpThroughTheParentsCountsOnce) {
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(keys, std::vector<int>{Qt::Key_F2});
}

TEST_F(ApplicationEventsTest, RepeatedPressesEachCount) {
    QTest::keyClick(edit, Qt::Key_F2);
    QTest::keyClick(edit, Qt::Key_F2);
    QTest::keyPress(edit, Qt::Key_F3);
    QTest::keyPress(edit, Qt::Key_F3); // held down: the repeats count too
    QTest::keyRelease(edit, Qt::Key_F3);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_F2, Qt::Key_F2, Qt::Key_F3, Qt::Key_F3}));
}

TEST_F(ApplicationEventsTest, APressIsSeenEvenWhenTheControlKeepsIt) {
    QTest::keyClick(taker, Qt::Key_F4);
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_F4, Qt::Key_F5}));
    EXPECT_EQ(taker->taken, 1);
}

TEST_F(ApplicationEventsTest, PressesInADialogOfTheHandlerDoNotMakeThePressCountTwice) {
    // The handler of F9 lets the user type a whole file name elsewhere before the
    // F9 press goes on up from the edit.
    onKey = [this](int key) {
        if (key != Qt::Key_F9)
            return;
        onKey = nullptr;
        QTest::keyClicks(other, QStringLiteral("configuration-of-the-module"));
    };
    QTest::keyClick(edit, Qt::Key_F9);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), Qt::Key_F9), 1);
    EXPECT_EQ(keys.size(), 1u + QStringLiteral("configuration-of-the-module").size());
}

TEST_F(ApplicationEventsTest, ACatcherGoneWithItsOwnerSeesNothingMore) {
    auto* owned = new ApplicationEvents(&window);
    int seen = 0;
    QObject::connect(owned, &ApplicationEvents::ShortCut, [&seen](int) { ++seen; });
    QTest::keyClick(edit, Qt::Key_F1);
    delete owned;
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(seen, 1);
}

} // namespace
} // namespace pemrix::app
