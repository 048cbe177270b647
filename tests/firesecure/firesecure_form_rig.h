#pragma once
// An Orvel-417 window over a host that records what the window asks of it, with the
// message boxes and file dialogs answered from a script. Controls are driven by
// their object names, as a user would (tests/support/window_rig.h).

#include "firesecure/firesecure_form.h"
#include "forms/dialogs.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QPointer>
#include <vector>

namespace pemrix::firesecure::testing {

using pemrix::testing::RecordingHost;

class FireSecureFormTest : public ::testing::Test, public pemrix::testing::WindowControls {
  protected:
    void SetUp() override {
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        form = new TFireSecureForm(host);
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
    void link() {
        button("ReadButton")->setEnabled(true);
        button("WriteButton")->setEnabled(true);
    }

    QWidget* controlsWindow() const override { return form.data(); }
    QRadioButton* radio(const QString& name) const { return find<QRadioButton>(name); }
    // Loop `loop` made a fire loop (upper button) or a security loop (lower one).
    void setLoopType(int loop, bool fire) {
        click(radio(QStringLiteral("ds%1").arg(loop + 4) + (fire ? "" : "1")));
    }
    // A user's pick in a relay's mode list.
    void pick(int relay, int item) {
        QComboBox* list = combo(QStringLiteral("Rele%1Combo").arg(relay));
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
    int mode(int relay) const {
        return combo(QStringLiteral("Rele%1Combo").arg(relay))->currentIndex();
    }
    // A box's state as "checked" plus "enabled": "CE", "C-", "-E", "--".
    QString state(const QString& name) const {
        QCheckBox* b = box(name);
        return QString(b->isChecked() ? "C" : "-") + (b->isEnabled() ? "E" : "-");
    }
    struct BoxState {
        const char* box;
        const char* state; // as state() gives it
    };
    void expectStates(std::initializer_list<BoxState> rows) const {
        for (const BoxState& row : rows)
            EXPECT_EQ(state(QString::fromLatin1(row.box)), QString::fromLatin1(row.state))
                << row.box;
    }

    RecordingHost host;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    QPointer<TFireSecureForm> form;
};

} // namespace pemrix::firesecure::testing
