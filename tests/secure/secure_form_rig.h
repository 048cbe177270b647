#pragma once
// An Orvel-416 window over a host that records what the window asks of it, with the
// message boxes and file dialogs answered from a script. Controls are driven by
// their object names, as a user would: clicks, typed text, focus moves.

#include "forms/dialogs.h"
#include "forms/radio_group.h"
#include "forms/up_down.h"
#include "secure/secure_form.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pemrix::secure::testing {

using pemrix::testing::RecordingHost;
using pemrix::testing::WorkerStart;

class SecureFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialogs = &forms::ScriptedDialogs::installNew();
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
    // The link established: report 8 and LinkUp.
    void link() {
        button("ReadButton")->setEnabled(true);
        button("WriteButton")->setEnabled(true);
    }

    template <class T> T* find(const QString& name) const {
        T* control = form->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    QCheckBox* q(int loop, int slot) const {
        return box(QStringLiteral("q%1%2").arg(loop).arg(slot));
    }
    QCheckBox* ks(int loop) const { return box(QStringLiteral("ks%1").arg(loop)); }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    QLineEdit* id(int slot) const { return edit(QStringLiteral("Id%1").arg(slot)); }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    forms::RadioGroup* group(const QString& name) const { return find<forms::RadioGroup>(name); }
    forms::UpDown* upDown(const QString& name) const { return find<forms::UpDown>(name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QString statusText() const { return find<QStatusBar>("StatusBar1")->currentMessage(); }

    // A click with the mouse: the control takes the focus, then toggles.
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void choose(const QString& groupName, int item) { click(group(groupName)->button(item)); }
    // Replaces the edit's text by typing, as a user selecting all and typing would.
    void type(QLineEdit* target, const QString& text) {
        click(target);
        target->selectAll();
        if (text.isEmpty())
            QTest::keyClick(target, Qt::Key_Delete);
        else
            QTest::keyClicks(target, text);
    }
    // Puts a complete key into a slot with authority over `loops`.
    void setKey(int slot, const QString& key, std::initializer_list<int> loops) {
        type(id(slot), key);
        for (int loop : loops)
            click(q(loop, slot));
    }

    RecordingHost host;
    forms::ScriptedDialogs* dialogs = nullptr;
    QPointer<TSecureForm> form;
};

} // namespace pemrix::secure::testing
