// Either expander window opened by the real main window, and every function key the
// main window routes to it while it is open.

#include "app/help_window.h"
#include "app/main_form.h"
#include "tests/support/expander_window_rig.h"

#include <memory>

namespace pemrix::testing {
namespace {

class FunctionKeysTest : public ::testing::TestWithParam<const ExpanderWindowCase*>,
                         public WindowControls {
  protected:
    void SetUp() override {
        dialogs = &ScriptedDialogs::installNew();
        main = std::make_unique<app::TMainForm>();
        main->setPortOpener([](const std::string&) { return app::PortPtr(); });
        main->setModuleWindowFactory(GetParam()->kind, GetParam()->make);
    }
    void TearDown() override {
        delete controlsWindow();
        main.reset();
        forms::Dialogs::install(nullptr);
    }
    QWidget* controlsWindow() const override { return main ? main->moduleWindow() : nullptr; }
    void press(Qt::Key key) { main->ApplicationEvents1ShortCut(key); }

    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<app::TMainForm> main;
};
PEMRIX_OVER_EXPANDER_WINDOWS(FunctionKeysTest);

TEST_P(FunctionKeysTest, ItsKeyOpensTheWindowWithTheFactoryImage) {
    press(GetParam()->openingKey);
    auto* window = qobject_cast<forms::ExpanderWindow*>(controlsWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(main->mainKeysActive());
    EXPECT_EQ(window->BuildConfigImage(), window->factoryImage());
    EXPECT_FALSE(button("WriteButton")->isEnabled()) << "pending";
}

TEST_P(FunctionKeysTest, TheButtonOpensItToo) {
    main->findChild<QPushButton*>(GetParam()->openingButton)->click();
    ASSERT_NE(controlsWindow(), nullptr);
    EXPECT_EQ(controlsWindow()->windowTitle(), GetParam()->title);
}

TEST_P(FunctionKeysTest, EveryKeyOfTheWindowRunsItsOperation) {
    press(GetParam()->openingKey);
    ASSERT_NE(controlsWindow(), nullptr);

    press(Qt::Key_F1);
    ASSERT_NE(main->helpWindow(), nullptr);
    EXPECT_EQ(main->helpWindow()->topic(), GetParam()->helpTopic);

    edit("NumberEdit")->setText("9");
    press(Qt::Key_F7);
    EXPECT_EQ(statusText(), QStringLiteral("Заводские установки выставлены"));
    EXPECT_EQ(edit("NumberEdit")->text(), "1");

    press(Qt::Key_F5);
    EXPECT_EQ(statusText(), QStringLiteral("Нет связи с расширителем"));
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

TEST_P(FunctionKeysTest, ClosingTheWindowGivesTheKeysBack) {
    press(GetParam()->openingKey);
    ASSERT_NE(controlsWindow(), nullptr);
    controlsWindow()->close();
    EXPECT_TRUE(main->mainKeysActive());
    EXPECT_EQ(main->moduleWindow(), nullptr);
}

} // namespace
} // namespace pemrix::testing
