// The Orvel-416 window and its configuration image. The codec turns bytes into
// fields; here the fields are read from the controls, and set into them in an order
// that matters: every control set here fires its rule as a click would.

#include "secure/secure_form.h"

#include "forms/control_values.h"
#include "forms/up_down.h"

#include <QComboBox>

namespace pemrix::secure {

SecureConfig TSecureForm::readConfig() const {
    SecureConfig config;
    config.delay = Delay->position();
    config.integrationTime = forms::maskOf(It);
    config.silentAlarm = forms::maskOf(Tt);
    config.mode = modeFlags();
    config.autoArming = forms::maskOf(Av);
    config.roundTheClock = forms::maskOf(Ks);
    config.relayBinding = forms::maskOf(Pr);
    config.expanderNumber = Number->position();
    config.relay1Mode = forms::comboCode(ReleCombo[0]);
    config.relay2Mode = forms::comboCode(ReleCombo[1]);
    config.identifiers = IdBox->records();
    return config;
}

std::vector<int> TSecureForm::BuildConfigImage() const {
    return encodeSecureConfig(readConfig());
}

void TSecureForm::ApplyConfigImage(std::span<const int> image) {
    const SecureConfig config = decodeSecureConfig(image);

    // The delay first: its rule judges it by the tactic the window still shows.
    Delay->setPosition(config.delay);
    forms::checkFromMask(It, config.integrationTime);
    forms::checkFromMask(Tt, config.silentAlarm);
    applyModeFlags(config.mode);
    forms::checkFromMask(Av, config.autoArming);
    forms::checkFromMask(Ks, config.roundTheClock);
    forms::checkFromMask(Pr, config.relayBinding);

    Number->setPosition(config.expanderNumber);
    forms::setComboCode(ReleCombo[0], config.relay1Mode);
    forms::setComboCode(ReleCombo[1], config.relay2Mode);
    IdBox->showRecords(config.identifiers);
}

} // namespace pemrix::secure
