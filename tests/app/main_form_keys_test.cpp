// The function keys: caught for the whole program and routed by the open window.

#include "app/help_window.h"
#include "tests/app/main_form_rig.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace pemrix::app::testing {
namespace {

using Kind = link::ModuleKind;
using Entries = std::vector<std::string>;

const std::vector<int> allKeys = {Qt::Key_F1, Qt::Key_F2,  Qt::Key_F3,  Qt::Key_F4,
                                  Qt::Key_F5, Qt::Key_F6,  Qt::Key_F7,  Qt::Key_F8,
                                  Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_F12};

std::string keyName(int key) {
    return "F" + std::to_string(key - Qt::Key_F1 + 1);
}

class FunctionKeysTest : public MainFormTest {
  protected:
    void SetUp() override {
        MainFormTest::SetUp();
        makeForm();
        form->show();
        activate(form.get());
    }

    // Keys reach only the active window; under the test platform nothing makes a
    // window active but this.
    static void activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Opens the window of that kind the way its button does; its edit has the focus.
    TestModuleWindow& open(Kind kind) {
        switch (kind) {
        case Kind::Secure:
            form->Orvel416Click();
            break;
        case Kind::FireSecure:
            form->Orvel417Click();
            break;
        default:
            form->Orvel427Click();
            break;
        }
        TestModuleWindow* window = openWindow();
        EXPECT_NE(window, nullptr);
        activate(window);
        window->edit->setFocus();
        journal.clear();
        return *window;
    }

    // The main window becomes the active one again once the module window is closed.
    void close(TestModuleWindow& window) {
        window.close();
        deleteClosedWindows();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void closeHelp() {
        if (form->helpWindow() != nullptr)
            form->helpWindow()->close();
    }

    int helpTopicShown() const {
        HelpWindow* help = form->helpWindow();
        return help != nullptr && help->isVisible() ? help->topic() : 0;
    }
};

TEST_F(FunctionKeysTest, InTheMainWindowF1HelpsF3AndF5OpenTheExpanderWindows) {
    auto* port = control<QRadioButton>("com1");
    port->setFocus();

    QTest::keyClick(port, Qt::Key_F1);
    EXPECT_EQ(helpTopicShown(), 1);
    closeHelp();

    // The press that opens a window goes on up through the main window's controls;
    // it must not reach the new window as well (F3 there would read).
    QTest::keyClick(port, Qt::Key_F3);
    ASSERT_NE(openWindow(), nullptr);
    EXPECT_EQ(openWindow()->moduleKind(), Kind::Secure);
    EXPECT_EQ(journal.entries.front(), "created Secure");
    EXPECT_EQ(std::count(journal.entries.begin(), journal.entries.end(), "Read"), 0);
    close(*openWindow());

    journal.clear();
    QTest::keyClick(port, Qt::Key_F5);
    ASSERT_NE(openWindow(), nullptr);
    EXPECT_EQ(openWindow()->moduleKind(), Kind::FireSecure);
    EXPECT_EQ(std::count(journal.entries.begin(), journal.entries.end(), "Cancel"), 0);
}

TEST_F(FunctionKeysTest, InTheMainWindowTheOtherKeysDoNothing) {
    auto* port = control<QRadioButton>("com2");
    for (int key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F9,
                    Qt::Key_F10, Qt::Key_F11, Qt::Key_F12, Qt::Key_A, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        QTest::keyClick(port, static_cast<Qt::Key>(key));
        EXPECT_EQ(form->moduleWindow(), nullptr);
        EXPECT_EQ(form->helpWindow(), nullptr);
        EXPECT_TRUE(journal.entries.empty());
    }
}

// Every key in every module window, all buttons enabled and the key-reading output
// type chosen: each key runs at most one action, once, with the active control as
// the sender.
TEST_F(FunctionKeysTest, InAModuleWindowEachKeyRunsItsAction) {
    struct State {
        Kind kind;
        int helpTopic;
        const char* f6;
    };
    const std::map<int, const char*> common = {{Qt::Key_F2, "Write"},   {Qt::Key_F3, "Read"},
                                               {Qt::Key_F4, "Connect"}, {Qt::Key_F5, "Cancel"},
                                               {Qt::Key_F7, "Default"}, {Qt::Key_F9, "Save"},
                                               {Qt::Key_F10, "Load"}};
    for (const State& state : {State{Kind::Secure, 30, "LoadId"}, State{Kind::Rele8, 36, nullptr},
                               State{Kind::FireSecure, 29, "LoadId"}}) {
        TestModuleWindow& window = open(state.kind);
        for (int key : allKeys) {
            SCOPED_TRACE(std::to_string(link::kindValue(window.moduleKind())) + " " + keyName(key));
            journal.clear();
            QTest::keyClick(window.edit, static_cast<Qt::Key>(key));

            const auto action = common.find(key);
            const char* expectedAction = action != common.end() ? action->second
                                         : key == Qt::Key_F6    ? state.f6
                                                                : nullptr;
            if (expectedAction != nullptr) {
                EXPECT_EQ(journal.entries, Entries{expectedAction});
                EXPECT_EQ(journal.senders, std::vector<QObject*>{window.edit});
            } else {
                EXPECT_TRUE(journal.entries.empty());
            }
            EXPECT_EQ(helpTopicShown(), key == Qt::Key_F1 ? state.helpTopic : 0);
            closeHelp();
            // The key is not taken away from the focused control.
            ASSERT_FALSE(window.edit->keys.empty());
            EXPECT_EQ(window.edit->keys.back(), key);
        }
        close(window);
    }
}

TEST_F(FunctionKeysTest, DisabledButtonsStopTheirKeysButBreakingTheLinkAlwaysWorks) {
    for (Kind kind : {Kind::Secure, Kind::Rele8, Kind::FireSecure}) {
        TestModuleWindow& window = open(kind);
        SCOPED_TRACE(link::kindValue(window.moduleKind()));
        for (const char* name :
             {"WriteButton", "ReadButton", "ConnectButton", "CancelButton", "LoadIdButton"})
            if (QPushButton* button = window.button(name)) // the relay window has no LoadIdButton
                button->setEnabled(false);
        for (int key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
            QTest::keyClick(window.edit, static_cast<Qt::Key>(key));
        EXPECT_TRUE(journal.entries.empty());

        QTest::keyClick(window.edit, Qt::Key_F5);
        EXPECT_EQ(journal.entries, Entries{"Cancel"});
        close(window);
    }
}

TEST_F(FunctionKeysTest, F2WithTheWriteButtonDisabledDoesNothingWhileTheOthersStillWork) {
    TestModuleWindow& window = open(Kind::Secure);
    window.button("WriteButton")->setEnabled(false);
    QTest::keyClick(window.edit, Qt::Key_F2);
    QTest::keyClick(window.edit, Qt::Key_F3);
    EXPECT_EQ(journal.entries, Entries{"Read"});
    window.button("WriteButton")->setEnabled(true);
    QTest::keyClick(window.edit, Qt::Key_F2);
    EXPECT_EQ(journal.entries, (Entries{"Read", "Write"}));
}

TEST_F(FunctionKeysTest, F6ReadsAKeyByTheOutputTypeAloneAndOnlyInTheExpanderWindows) {
    struct Row {
        Kind kind;
        int tmItem;
        bool buttonEnabled;
        bool reads;
    };
    for (const Row& row :
         {Row{Kind::Secure, 0, false, true}, Row{Kind::Secure, 1, true, false},
          Row{Kind::FireSecure, 0, false, true}, Row{Kind::FireSecure, 1, true, false},
          Row{Kind::Rele8, 0, true, false}}) {
        TestModuleWindow& window = open(row.kind);
        SCOPED_TRACE(std::to_string(link::kindValue(window.moduleKind())) + " TM item " +
                     std::to_string(row.tmItem));
        window.tmItem = row.tmItem;
        if (QPushButton* button = window.button("LoadIdButton"))
            button->setEnabled(row.buttonEnabled);
        QTest::keyClick(window.edit, Qt::Key_F6);
        EXPECT_EQ(journal.entries, row.reads ? Entries{"LoadId"} : Entries{});
        close(window);
    }
}

TEST_F(FunctionKeysTest, AfterTheModuleWindowClosesTheKeysActOnTheMainWindowAgain) {
    TestModuleWindow& window = open(Kind::Rele8);
    close(window);
    journal.clear();
    auto* port = control<QRadioButton>("com1");
    QTest::keyClick(port, Qt::Key_F2);
    EXPECT_TRUE(journal.entries.empty());
    QTest::keyClick(port, Qt::Key_F3);
    ASSERT_NE(openWindow(), nullptr);
    EXPECT_EQ(openWindow()->moduleKind(), Kind::Secure);
}

// A key pressed in a real dialog or message box of the program belongs to it: F7 in a
// save dialog must not reset the window behind it, F10 must not stack another dialog,
// F3 over the main window must not open a module window.
TEST_F(FunctionKeysTest, KeysPressedInADialogOrMessageBoxDoNothingBehindIt) {
    forms::QtDialogs real;
    const std::pair<const char*, std::function<void(QWidget*)>> shown[] = {
        {"message box", [&real](QWidget* over) { real.error(over, QStringLiteral("Ошибка")); }},
        {"file dialog", [&real](QWidget* over) { real.saveFileName(over, "", "*.cfg", "cfg"); }},
    };
    for (const bool moduleWindowOpen : {false, true}) {
        for (const auto& [name, show] : shown) {
            SCOPED_TRACE(std::string(name) + (moduleWindowOpen ? " over a module window" : ""));
            TestModuleWindow* window = moduleWindowOpen ? &open(Kind::Secure) : nullptr;
            QWidget* const over = window != nullptr ? static_cast<QWidget*>(window) : form.get();
            journal.clear();
            std::vector<int> keysSeen;
            QTimer::singleShot(0, [&keysSeen] {
                QWidget* const dialog = QApplication::activeModalWidget();
                QWidget* const target =
                    dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
                for (int key : allKeys) {
                    QTest::keyClick(target, static_cast<Qt::Key>(key));
                    keysSeen.push_back(key);
                }
                dialog->close();
            });
            show(over);

            EXPECT_EQ(keysSeen, allKeys);
            EXPECT_TRUE(journal.entries.empty());
            EXPECT_EQ(helpTopicShown(), 0);
            EXPECT_EQ(openWindow(), window);
            closeHelp();
            if (window != nullptr)
                close(*window);
        }
    }
}

} // namespace
} // namespace pemrix::app::testing
