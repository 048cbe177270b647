// The relay window and its configuration image. The codec turns bytes into fields;
// here the fields are read from the controls, and set into them in an order that
// matters: the controlling device's rule runs before the boxes take their values.

#include "relay/relay_form.h"

#include "forms/radio_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace pemrix::relay {

namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

bool bit(RelayMask mask, int relay) {
    return (mask >> relay & 1) != 0;
}

} // namespace

void TReleForm::ApplyConfigImage(std::span<const int> image) {
    const RelayConfig config = decodeRelayConfig(image);

    // Selecting another item runs VedClick (and with it the mode rule) now; the same
    // item, or no controlling device at all, runs nothing.
    if (config.controllingDevice)
        Ved->setItemIndex(*config.controllingDevice);

    // Checked states only, enabled or not: a box the rule just cleared may show checked.
    for (int relay = 0; relay < RelayCount; ++relay) {
        RelayTab& tab = tabs_[at(relay)];
        for (int source = 0; source < SourceCount; ++source)
            tab.sources[at(source)]->setChecked(bit(config.sourceRelays[at(source)], relay));
        for (int type = 0; type < NotificationTypeCount; ++type)
            tab.types[at(type)]->setChecked(bit(config.typeRelays[at(type)], relay));
    }
    // Setting an item fires no rule; a relay in no mode cell keeps its selection.
    for (int relay = 0; relay < RelayCount; ++relay)
        if (const std::optional<int>& mode = config.relayModes[at(relay)])
            tabs_[at(relay)].mode->setCurrentIndex(*mode);

    (config.speed == LinkSpeed::Speed4800 ? R4800 : R1200)->setChecked(true);
    // A file or the factory image carries no version worth showing.
    if (!demonstration_ && !factoryDefaults_)
        version->setText(QString::fromStdString(relayVersionText(config.version)));
}

RelayConfig TReleForm::readConfig() const {
    RelayConfig config;
    for (int relay = 0; relay < RelayCount; ++relay) {
        const RelayTab& tab = tabs_[at(relay)];
        const auto relayBit = static_cast<RelayMask>(1 << relay);
        for (int source = 0; source < SourceCount; ++source)
            if (tab.sources[at(source)]->isChecked())
                config.sourceRelays[at(source)] |= relayBit;
        for (int type = 0; type < NotificationTypeCount; ++type)
            if (tab.types[at(type)]->isChecked())
                config.typeRelays[at(type)] |= relayBit;
        const int mode = tab.mode->currentIndex();
        if (mode >= 0)
            config.relayModes[at(relay)] = mode;
    }
    config.controllingDevice = Ved->itemIndex();
    config.speed = R1200->isChecked() ? LinkSpeed::Speed1200 : LinkSpeed::Speed4800;
    return config;
}

std::vector<int> TReleForm::BuildConfigImage() const {
    return encodeRelayConfig(readConfig());
}

} // namespace pemrix::relay
