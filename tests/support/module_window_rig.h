#pragma once
// A module window over a host that records what the window asks of it, with the
// message boxes and file dialogs answered from a script. Controls are driven by
// their object names, as a user would (tests/support/window_rig.h). Each window's
// rig adds the controls and steps it alone has.

#include "forms/dialogs.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QPointer>

#include <type_traits>

namespace pemrix::testing {

// `Base`: ::testing::TestWithParam<...> for a test over several windows.
template <class Window, class Base = ::testing::Test>
class ModuleWindowTest : public Base, public WindowControls {
  protected:
    void SetUp() override {
        dialogs = &ScriptedDialogs::installNew();
        form = makeWindow(host);
        host.calls.clear();
    }
    // A `Window`, or for a rig over several windows the one its parameter names.
    virtual Window* makeWindow(RecordingHost& windowHost) {
        if constexpr (std::is_abstract_v<Window>)
            return nullptr;
        else
            return new Window(windowHost);
    }
    void TearDown() override {
        delete form.data();
        forms::Dialogs::install(nullptr);
    }

    // The window as the main window opens it: the factory image shown, then the
    // window on the screen and active, so that focus moves as with a user.
    void open() {
        form->applyImage(form->factoryImage());
        form->show();
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        dialogs->messages.clear();
    }
    // The link established: LinkEstablished and LinkUp.
    void link() {
        button("ReadButton")->setEnabled(true);
        button("WriteButton")->setEnabled(true);
    }

    QWidget* controlsWindow() const override { return form.data(); }

    RecordingHost host;
    ScriptedDialogs* dialogs = nullptr;
    QPointer<Window> form;
};

} // namespace pemrix::testing
