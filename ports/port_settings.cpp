#include "ports/port_settings.h"

#include "link/system_serial_port.h"

#include <QSettings>

namespace pemrix::ports {

namespace {
const QString portNumberKey = QStringLiteral("Port/PortNumber");
constexpr int portCount = 4;

QString deviceKey(int portNumber) {
    return QStringLiteral("Devices/COM%1").arg(portNumber);
}
} // namespace

std::optional<int> readPortIndex(QSettings& settings) {
    const QVariant value = settings.value(portNumberKey);
    if (!value.isValid())
        return std::nullopt;
    bool isNumber = false;
    const int index = value.toString().trimmed().toInt(&isNumber, 10);
    if (!isNumber || index < 0 || index >= portCount)
        return std::nullopt;
    return index;
}

void writePortIndex(QSettings& settings, int portIndex) {
    settings.setValue(portNumberKey, QString::number(portIndex));
    settings.sync();
}

QString deviceForPort(const QSettings* settings, int portNumber) {
    const QString mapped = mappedDeviceForPort(settings, portNumber);
    if (!mapped.isEmpty())
        return mapped;
    return QString::fromStdString(link::defaultDeviceForPort(portNumber));
}

QString mappedDeviceForPort(const QSettings* settings, int portNumber) {
    if (settings == nullptr)
        return {};
    return settings->value(deviceKey(portNumber)).toString().trimmed();
}

void writeDeviceForPort(QSettings& settings, int portNumber, const QString& device) {
    if (device.trimmed().isEmpty())
        settings.remove(deviceKey(portNumber));
    else
        settings.setValue(deviceKey(portNumber), device.trimmed());
    settings.sync();
}

} // namespace pemrix::ports
