#pragma once
// An Orvel-417 window on the shared module-window rig, with its loop types, relay
// modes and box states.

#include "firesecure/firesecure_form.h"
#include "tests/support/module_window_rig.h"

#include <vector>

namespace pemrix::firesecure::testing {

class FireSecureFormTest : public pemrix::testing::ModuleWindowTest<TFireSecureForm> {
  protected:
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
};

} // namespace pemrix::firesecure::testing
