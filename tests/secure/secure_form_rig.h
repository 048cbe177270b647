#pragma once
// An Orvel-416 window over a host that records what the window asks of it, with the
// message boxes and file dialogs answered from a script. Controls are driven by
// their object names, as a user would (tests/support/window_rig.h).

#include "forms/dialogs.h"
#include "secure/secure_form.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QPointer>
#include <string>
#include <vector>

namespace pemrix::secure::testing {

using pemrix::testing::RecordingHost;
using pemrix::testing::WorkerStart;

class SecureFormTest : public ::testing::Test, public pemrix::testing::WindowControls {
  protected:
    void SetUp() override {
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        form = new TSecureForm(host);
        host.calls.clear();
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
    QCheckBox* ks(int loop) const { return box(QStringLiteral("ks%1").arg(loop)); }

    RecordingHost host;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    QPointer<TSecureForm> form;
};

} // namespace pemrix::secure::testing
