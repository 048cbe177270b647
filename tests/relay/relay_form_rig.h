#pragma once
// A relay window on the shared module-window rig, opened as the main window opens
// it, with its relay boxes, mode lists and tabs.

#include "relay/relay_form.h"
#include "tests/support/module_window_rig.h"

#include <QLabel>
#include <QTabWidget>

namespace pemrix::relay::testing {

using pemrix::testing::RecordingHost;

class RelayFormTest : public pemrix::testing::ModuleWindowTest<TReleForm> {
  protected:
    // As the main window opens it: no link yet, the factory image shown.
    void SetUp() override {
        ModuleWindowTest::SetUp();
        form->applyImage(form->factoryImage());
        host.calls.clear();
    }

    QCheckBox* iz(int relay, int source) const {
        return box(QStringLiteral("iz%1%2").arg(relay).arg(source));
    }
    QCheckBox* typeiz(int relay, int type) const {
        return box(QStringLiteral("typeiz%1%2").arg(relay).arg(type));
    }
    QComboBox* mode(int relay) const { return combo(QStringLiteral("Rele%1Combo").arg(relay)); }
    QRadioButton* radio(const QString& name) const { return find<QRadioButton>(name); }
    QString versionText() const { return find<QLabel>("version")->text(); }

    // A choice in a relay's mode list, as the user makes it.
    void chooseMode(int relay, int item) {
        mode(relay)->setCurrentIndex(item);
        emit mode(relay)->activated(item);
    }
    // Which of tabs 1..8 are shown, as "11110000".
    QString visibleTabs() const {
        auto* tabs = find<QTabWidget>("Rele");
        QString shown;
        for (int index = 0; index < tabs->count(); ++index)
            shown += tabs->isTabVisible(index) ? '1' : '0';
        return shown;
    }
    // The states of the boxes of relay k as bit strings, first box first.
    template <class Predicate> QString sources(int relay, Predicate state) const {
        QString bits;
        for (int source = 1; source <= SourceCount; ++source)
            bits += state(iz(relay, source)) ? '1' : '0';
        return bits;
    }
    // Type rows in the order 1..7, 12, 13, 14.
    template <class Predicate> QString types(int relay, Predicate state) const {
        QString bits;
        for (int type : NotificationTypes)
            bits += state(typeiz(relay, type)) ? '1' : '0';
        return bits;
    }
    static bool checked(const QCheckBox* box) { return box->isChecked(); }
    static bool enabled(const QCheckBox* box) { return box->isEnabled(); }
};

} // namespace pemrix::relay::testing
