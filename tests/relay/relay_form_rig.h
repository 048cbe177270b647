#pragma once
// A relay window over a host that records what the window asks of it, with the
// message boxes and file dialogs answered from a script. Controls are driven by
// their object names, as a user would (tests/support/window_rig.h).

#include "forms/dialogs.h"
#include "relay/relay_form.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/window_rig.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTabWidget>

namespace pemrix::relay::testing {

using pemrix::testing::RecordingHost;

class RelayFormTest : public ::testing::Test, public pemrix::testing::WindowControls {
  protected:
    void SetUp() override {
        dialogs = &pemrix::testing::ScriptedDialogs::installNew();
        // As the main window opens it: variant 6, no link, the factory image shown.
        host.variant = 6;
        host.linked = false;
        form = new TReleForm(host);
        form->applyImage(form->factoryImage());
        host.calls.clear();
    }
    void TearDown() override {
        delete form.data();
        forms::Dialogs::install(nullptr);
    }

    QWidget* controlsWindow() const override { return form.data(); }

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

    RecordingHost host;
    pemrix::testing::ScriptedDialogs* dialogs = nullptr;
    QPointer<TReleForm> form;
};

} // namespace pemrix::relay::testing
