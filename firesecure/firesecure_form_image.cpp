// The Orvel-417 window and its configuration image. The codec turns bytes into
// fields; here the fields are read from the controls, and set into them in an order
// that matters: every control set here runs its rule as a click would.

#include "firesecure/firesecure_form.h"

#include "forms/control_values.h"
#include "forms/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace pemrix::firesecure {

namespace {

// The four boxes of a row's upper half (digits 5..8) as a span.
std::span<QCheckBox* const> upperRow(const std::array<QCheckBox*, 2 * LoopCount>& boxes) {
    return std::span<QCheckBox* const>(boxes).subspan(LoopCount);
}
std::span<QCheckBox* const> lowerRow(const std::array<QCheckBox*, 2 * LoopCount>& boxes) {
    return std::span<QCheckBox* const>(boxes).first(LoopCount);
}

} // namespace

FireSecureConfig TFireSecureForm::readConfig() const {
    FireSecureConfig config;
    config.delay = Delay->position();
    config.integrationTime = forms::maskOf(lowerRow(Ittt));
    config.silentAlarm = forms::maskOf(upperRow(Ittt));
    config.autoArming = forms::maskOf(lowerRow(Avks));
    config.roundTheClock = forms::maskOf(upperRow(Avks));
    config.mode = modeFlags();
    config.relay3Mode = forms::comboCode(ReleCombo[2]);
    config.doubleTriggering = forms::maskOf(Ds);
    for (int loop = 1; loop <= LoopCount; ++loop)
        if (FireType[loop - 1]->isChecked())
            config.fireLoops |= static_cast<std::uint8_t>(1U << (loop - 1));
    config.relay1Binding = forms::maskOf(lowerRow(Pr));
    config.relay2Binding = forms::maskOf(upperRow(Pr));
    config.relay1Mode = forms::comboCode(ReleCombo[0]);
    config.relay2Mode = forms::comboCode(ReleCombo[1]);
    config.expanderNumber = Number->position();
    config.relay3Binding = forms::maskOf(Ss);
    config.identifiers = IdBox->records();
    return config;
}

std::vector<int> TFireSecureForm::BuildConfigImage() const {
    return encodeFireSecureConfig(readConfig());
}

// The loop types first, from loop 4 down, so that ChangeShS has fixed the options of
// fire loops before the image's options are set; relay 3's binding comes last, after
// its mode, so its rule may still correct the modes (see firesecure_image.h).
void TFireSecureForm::ApplyConfigImage(std::span<const int> image) {
    const FireSecureConfig config = decodeFireSecureConfig(image);

    for (int loop = LoopCount; loop >= 1; --loop) {
        const bool fire = image::bitAt(config.fireLoops, loop - 1);
        (fire ? FireType : GuardType)[loop - 1]->setChecked(true);
    }
    for (int loop = LoopCount; loop >= 1; --loop)
        Ds[loop - 1]->setChecked(image::bitAt(config.doubleTriggering, loop - 1));

    activeControls().activate(Delay);
    Delay->setPosition(config.delay);

    forms::checkFromMask(lowerRow(Ittt), config.integrationTime);
    forms::checkFromMask(upperRow(Ittt), config.silentAlarm);
    forms::checkFromMask(lowerRow(Avks), config.autoArming);
    forms::checkFromMask(upperRow(Avks), config.roundTheClock);

    applyModeFlags(config.mode);
    forms::setComboCode(ReleCombo[2], config.relay3Mode);

    forms::checkFromMask(lowerRow(Pr), config.relay1Binding);
    forms::checkFromMask(upperRow(Pr), config.relay2Binding);
    forms::setComboCode(ReleCombo[0], config.relay1Mode);
    forms::setComboCode(ReleCombo[1], config.relay2Mode);

    activeControls().activate(Number);
    Number->setPosition(config.expanderNumber);
    forms::checkFromMask(Ss, config.relay3Binding);

    IdBox->showRecords(config.identifiers);
}

} // namespace pemrix::firesecure
