// The relay window's rules: what the controlling device makes available, what a
// relay's mode allows, and which variant (four or eight relays) is edited. The
// rules correct the controls silently; they never refuse with a message.

#include "relay/relay_form.h"

#include "forms/radio_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <initializer_list>

namespace pemrix::relay {

namespace {

// What a controlling device can report: the sources 1..`sources` and the type rows
// not in `clearedTypes`.
struct Availability {
    int sources;
    std::initializer_list<int> clearedTypes;
};

// By Ved item.
const Availability AvailabilityTable[ControllingDevice::Count] = {
    {48, {7}},                   // "Orvel-ТЕВ РПУ"
    {48, {}},                    // "Orvel-ЛОН РПУ"
    {8, {1, 3, 4, 5, 6, 12}},    // "Orvel-416"
    {4, {1, 3, 5, 12}},          // "Orvel-417"
    {16, {1, 3, 5, 12, 13, 14}}, // "Orvel-408"
};

// To enable a box leaves its checked state; to clear it unchecks and disables it.
void enable(QCheckBox* box) {
    box->setEnabled(true);
}
void clear(QCheckBox* box) {
    box->setChecked(false);
    box->setEnabled(false);
}

bool contains(std::initializer_list<int> types, int type) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

// All eight relays, hidden tabs too: a module may be an Orvel-427 after all.
void TReleForm::VedClick() {
    const int device = Ved->itemIndex();
    if (device < 0 || device >= ControllingDevice::Count)
        return;
    const Availability& available = AvailabilityTable[device];
    for (RelayTab& tab : tabs_) {
        for (int source = 1; source <= SourceCount; ++source) {
            QCheckBox* box = tab.sources[static_cast<std::size_t>(source - 1)];
            source <= available.sources ? enable(box) : clear(box);
        }
        for (int type : NotificationTypes) {
            QCheckBox* box = tab.types[static_cast<std::size_t>(typeIndex(type))];
            contains(available.clearedTypes, type) ? clear(box) : enable(box);
        }
    }
    Rele1ComboChange();
}

// Only restricts: a relay leaving "Исполнительный" gets its type rows back only with
// the next change of the controlling device.
void TReleForm::Rele1ComboChange() {
    const bool tevRpu = Ved->itemIndex() == ControllingDevice::OrvelTevRpu;
    for (RelayTab& tab : tabs_) {
        if (tab.mode->currentIndex() != RelayMode::Executive)
            continue;
        // This device cannot drive an executive relay: the choice falls back at once.
        if (tevRpu) {
            tab.mode->setCurrentIndex(RelayMode::PcnAlarm);
            continue;
        }
        // An executive relay reacts to arming and disarming alone; that row keeps
        // the state the availability rule gave it.
        for (int type : NotificationTypes)
            if (type != 7)
                clear(tab.types[static_cast<std::size_t>(typeIndex(type))]);
    }
}

void TReleForm::Orvel426Click() {
    if (Orvel426->isChecked()) {
        variant_ = link::ModuleKind::Rele4;
        showEightRelays(false);
    }
    if (Orvel427->isChecked()) {
        variant_ = link::ModuleKind::Rele8;
        showEightRelays(true);
    }
}

// Hiding a tab leaves its controls as they are: the image keeps all eight relays.
void TReleForm::showEightRelays(bool shown) {
    for (int index = FourRelays; index < RelayCount; ++index)
        Rele->setTabVisible(index, shown);
}

void TReleForm::showVariantChooser(bool shown) {
    Demo->setVisible(shown);
    Orvel426->setVisible(shown);
    Orvel427->setVisible(shown);
}

} // namespace pemrix::relay
