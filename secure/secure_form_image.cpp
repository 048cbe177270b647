// The Orvel-416 window and its configuration image. The codec turns bytes into
// fields; here the fields are read from the controls, and set into them in an order
// that matters: every control set here fires its rule as a click would.

#include "secure/secure_form.h"

#include "forms/radio_group.h"
#include "forms/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace pemrix::secure {

namespace {

template <std::size_t N> std::uint8_t maskOf(const std::array<QCheckBox*, N>& boxes) {
    std::uint8_t mask = 0;
    for (std::size_t i = 0; i < N; ++i)
        mask = image::withBit(mask, static_cast<int>(i), boxes[i]->isChecked());
    return mask;
}

template <std::size_t N>
void checkFromMask(const std::array<QCheckBox*, N>& boxes, std::uint8_t mask) {
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setChecked(image::bitAt(mask, static_cast<int>(i)));
}

} // namespace

SecureConfig TSecureForm::readConfig() const {
    SecureConfig config;
    config.delay = Delay->position();
    config.integrationTime = maskOf(It);
    config.silentAlarm = maskOf(Tt);
    config.keyboardLocked = KeyBox->isChecked();
    config.identifiersInUse = TM->itemIndex() == 0;
    config.lightOutput = SO->itemIndex() != 0;
    config.autonomous = AutoBox->isChecked();
    config.openDoorTactic = Taktik->itemIndex() != 0;
    config.autoArming = maskOf(Av);
    config.roundTheClock = maskOf(Ks);
    config.relayBinding = maskOf(Pr);
    config.expanderNumber = Number->position();
    config.relay1Mode = std::max(0, Rele1Combo->currentIndex());
    config.relay2Mode = std::max(0, Rele2Combo->currentIndex());
    for (int slot = 1; slot <= SlotCount; ++slot) {
        image::IdentifierSlot& record = config.identifiers[slot - 1];
        record.keyText = id(slot)->text().toStdString();
        for (int loop = 1; loop <= LoopCount; ++loop)
            record.authority =
                image::withBit(record.authority, loop - 1, q(loop, slot)->isChecked());
    }
    return config;
}

SecureConfigImage TSecureForm::BuildConfigImage() const {
    return encodeSecureConfig(readConfig());
}

void TSecureForm::ApplyConfigImage(std::span<const int> image) {
    const SecureConfig config = decodeSecureConfig(image);

    // The delay first: its rule judges it by the tactic the window still shows.
    Delay->setPosition(config.delay);
    checkFromMask(It, config.integrationTime);
    checkFromMask(Tt, config.silentAlarm);

    KeyBox->setChecked(config.keyboardLocked);
    TM->setItemIndex(config.identifiersInUse ? 0 : 1);
    SO->setItemIndex(config.lightOutput ? 1 : 0);
    AutoBox->setChecked(config.autonomous);
    Taktik->setItemIndex(config.openDoorTactic ? 1 : 0);

    checkFromMask(Av, config.autoArming);
    checkFromMask(Ks, config.roundTheClock);
    checkFromMask(Pr, config.relayBinding);

    Number->setPosition(config.expanderNumber);
    Rele1Combo->setCurrentIndex(config.relay1Mode);
    Rele2Combo->setCurrentIndex(config.relay2Mode);

    for (auto& column : Q)
        for (QCheckBox* box : column)
            box->setChecked(false);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        id(slot)->clear();
        const image::IdentifierSlot& record = config.identifiers[slot - 1];
        if (record.keyText.empty())
            continue;
        id(slot)->setText(QString::fromStdString(record.keyText));
        for (int loop = 1; loop <= LoopCount; ++loop)
            if (image::bitAt(record.authority, loop - 1))
                q(loop, slot)->setChecked(true);
    }
}

} // namespace pemrix::secure
