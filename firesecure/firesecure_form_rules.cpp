// The loop, relay and authority rules of the Orvel-417 window. They never refuse a
// choice: a combination that breaks them is corrected silently. Each rule looks at
// all four loops and reads every control afresh at each step, because the boxes it
// changes run their own rules at once, nested inside it.

#include "firesecure/firesecure_form.h"

#include "forms/control_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>

#include <optional>

namespace pemrix::firesecure {

namespace {

constexpr int FirstFireMode = 4;  // "ПЦН внимание"; 0..3 are the security modes
constexpr int GuardAlarmMode = 0; // "ПЦН тревога"
constexpr int UnboundMode = 1;    // "ПЦН контрольный"
constexpr int FaultMode = 6;      // "Неисправность"

// A box's checked state (left alone when empty) and then whether it is enabled.
void setBox(QCheckBox* box, std::optional<bool> checked, bool enabled) {
    if (checked)
        box->setChecked(*checked);
    box->setEnabled(enabled);
}

} // namespace

bool TFireSecureForm::isFireLoop(int loop) const {
    return FireType[loop - 1]->isChecked();
}

QCheckBox* TFireSecureForm::binding(int relay, int loop) const {
    switch (relay) {
    case 1:
        return Pr[loop - 1];
    case 2:
        return Pr[LoopCount + loop - 1];
    default:
        return Ss[loop - 1];
    }
}

QComboBox* TFireSecureForm::relayModes(int relay) const {
    return ReleCombo[relay - 1];
}

// A fire loop has fixed options: integration time and 24 hours on, auto-arming and
// silent alarm off; only double triggering stays the user's. A security loop has no
// double triggering and loses auto-arming and silent alarm. Loop 1 also clears its
// 24-hour box as a security loop and its double triggering as a fire loop.
void TFireSecureForm::setLoopOptions(int loop) {
    const int n = loop - 1;
    const bool fire = isFireLoop(loop);
    const std::optional<bool> keep;
    if (loop == 1) {
        setBox(Avks[LoopCount + n], fire, !fire);
        setBox(Ittt[n], fire ? std::optional<bool>(true) : keep, !fire);
        setBox(Avks[n], false, !fire);
        setBox(Ittt[LoopCount + n], false, !fire);
        setBox(Ds[n], false, fire);
        return;
    }
    setBox(Ittt[n], fire ? std::optional<bool>(true) : keep, !fire);
    setBox(Avks[LoopCount + n], fire ? std::optional<bool>(true) : keep, !fire);
    setBox(Avks[n], false, !fire);
    setBox(Ittt[LoopCount + n], false, !fire);
    setBox(Ds[n], fire ? keep : std::optional<bool>(false), fire);
}

void TFireSecureForm::ChangeShS() {
    for (int loop = 2; loop <= LoopCount; ++loop)
        setLoopOptions(loop);
    setLoopOptions(1);
    ChangePriv();
}

// A relay is bound to loops of one type: the lowest-numbered loop it is bound to
// decides, the boxes of the other type end unchecked and disabled.
void TFireSecureForm::ChangePriv() {
    for (int relay = 1; relay <= RelayCount; ++relay) {
        for (int loop = 1; loop <= LoopCount; ++loop) {
            if (binding(relay, loop)->isChecked()) {
                const bool fire = isFireLoop(loop);
                for (int other = 1; other <= LoopCount; ++other) {
                    QCheckBox* box = binding(relay, other);
                    if (isFireLoop(other) == fire)
                        box->setEnabled(true);
                    else
                        setBox(box, false, false);
                }
            } else if (!anyBinding(relay)) {
                for (int other = 1; other <= LoopCount; ++other)
                    binding(relay, other)->setEnabled(true);
            }
        }
    }
    ChangeRele();
}

// A relay's mode suits the type of its loops; a relay bound to none is "ПЦН
// контрольный". Relay 3 in a fire loop falls to "Неисправность", relays 1 and 2 to
// "ПЦН внимание". A mode code that names no item is left alone on fire loops.
void TFireSecureForm::ChangeRele() {
    for (int relay = 1; relay <= RelayCount; ++relay) {
        QComboBox* combo = relayModes(relay);
        for (int loop = 1; loop <= LoopCount; ++loop) {
            const int code = forms::comboCode(combo);
            if (binding(relay, loop)->isChecked()) {
                if (isFireLoop(loop)) {
                    if (code < FirstFireMode)
                        forms::setComboCode(combo, relay == 3 ? FaultMode : FirstFireMode);
                } else if (code >= FirstFireMode) {
                    forms::setComboCode(combo, GuardAlarmMode);
                }
            } else if (!anyBinding(relay)) {
                forms::setComboCode(combo, UnboundMode);
            }
        }
    }
}

bool TFireSecureForm::anyBinding(int relay) const {
    for (int loop = 1; loop <= LoopCount; ++loop)
        if (binding(relay, loop)->isChecked())
            return true;
    return false;
}

// A change of a 24-hour loop may take arming authority away from the keys.
void TFireSecureForm::ChangeAVKS() {
    IdBox->ChangeIDRules();
}

// The loop-type rule runs once more over the factory settings.
void TFireSecureForm::afterDefaults() {
    ChangeShS();
}

forms::ConfigFileSave TFireSecureForm::fileSave() {
    forms::ConfigFileSave save = ExpanderWindow::fileSave();
    save.savedStatus =
        QCoreApplication::translate("pemrix", "Запись конфигурации в файл завершена");
    return save;
}

} // namespace pemrix::firesecure
