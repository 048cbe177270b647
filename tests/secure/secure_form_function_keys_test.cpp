// The Orvel-416 window opened by the real main window, and every function key the
// main window routes to it while it is open.

#include "app/help_window.h"
#include "app/main_form.h"
#include "forms/dialogs.h"
#include "forms/radio_group.h"
#include "secure/secure_form.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace pemrix::secure {
namespace {

class FunctionKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        main = std::make_unique<app::TMainForm>();
        main->setPortOpener([](const std::string&) { return app::PortPtr(); });
        main->setModuleWindowFactory(link::ModuleKind::Secure,
                                     [](forms::ModuleHost& host) { return new TSecureForm(host); });
    }
    void TearDown() override {
        delete window().data();
        main.reset();
        forms::Dialogs::install(nullptr);
    }
    QPointer<TSecureForm> window() const {
        return main ? qobject_cast<TSecureForm*>(main->moduleWindow()) : nullptr;
    }
    void press(Qt::Key key) { main->ApplicationEvents1ShortCut(key); }
    QString status() const {
        return window()->findChild<QStatusBar*>("StatusBar1")->currentMessage();
    }
    QPushButton* button(const char* name) const { return window()->findChild<QPushButton*>(name); }

    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<app::TMainForm> main;
};

TEST_F(FunctionKeysTest, F3OpensTheWindowWithTheFactoryImage) {
    press(Qt::Key_F3);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(main->moduleWindow(), window());
    EXPECT_FALSE(main->mainKeysActive());
    EXPECT_EQ(window()->BuildConfigImage(), window()->factoryImage());
    EXPECT_FALSE(button("WriteButton")->isEnabled()) << "pending";
}

TEST_F(FunctionKeysTest, TheButtonOpensItToo) {
    main->Orvel416Click();
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Охранный модуль \"Orvel - 416\""));
}

TEST_F(FunctionKeysTest, EveryKeyOfTheWindowRunsItsOperation) {
    press(Qt::Key_F3);
    ASSERT_NE(window(), nullptr);

    press(Qt::Key_F1);
    ASSERT_NE(main->helpWindow(), nullptr);
    EXPECT_EQ(main->helpWindow()->topic(), 30);

    window()->findChild<QLineEdit*>("NumberEdit")->setText("9");
    press(Qt::Key_F7);
    EXPECT_EQ(status(), QStringLiteral("Заводские установки выставлены"));
    EXPECT_EQ(window()->findChild<QLineEdit*>("NumberEdit")->text(), "1");

    press(Qt::Key_F5);
    EXPECT_EQ(status(), QStringLiteral("Нет связи с расширителем"));
    EXPECT_TRUE(button("ConnectButton")->isEnabled());
    press(Qt::Key_F4);
    EXPECT_FALSE(button("ConnectButton")->isEnabled()) << "connecting again: pending";
    EXPECT_TRUE(button("CancelButton")->isEnabled());

    press(Qt::Key_F9);
    press(Qt::Key_F10);
    EXPECT_EQ(dialogs->fileFilters.size(), 2) << "save and open dialogs shown (and cancelled)";

    // Keys of a disabled operation or one the output type forbids do nothing.
    press(Qt::Key_F2);
    press(Qt::Key_F6);
    EXPECT_TRUE(dialogs->messages.isEmpty());
    EXPECT_TRUE(dialogs->questions.isEmpty());
}

TEST_F(FunctionKeysTest, ClosingTheWindowGivesTheKeysBack) {
    press(Qt::Key_F3);
    ASSERT_NE(window(), nullptr);
    window()->close();
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(main->moduleWindow(), nullptr);
}

} // namespace
} // namespace pemrix::secure
