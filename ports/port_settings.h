#pragma once
// The one setting kept between runs, the chosen port, and the device behind each
// port name.

#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace pemrix::ports {

// Opens the program's settings store, creating it when missing. When it can be
// neither opened nor created, `ownStoreFailed` is set and a store one level up is
// returned instead, so the port choice still lives somewhere.
std::unique_ptr<QSettings> openSettingsStore(bool& ownStoreFailed);

// The stored port as its index 0..3 (COM1..COM4); nothing when the value is missing,
// not a decimal number or out of range.
std::optional<int> readPortIndex(QSettings& settings);
// Stores the port index as decimal text.
void writePortIndex(QSettings& settings, int portIndex);

// The device of port COMn (n = 1..4): the one the settings name under [Devices],
// or the platform's usual device.
QString deviceForPort(const QSettings* settings, int portNumber);
// Only the device the settings name for COMn; empty when they name none.
QString mappedDeviceForPort(const QSettings* settings, int portNumber);
// Names the device of port COMn under [Devices]; an empty name removes the entry,
// so the port goes back to the platform's usual device.
void writeDeviceForPort(QSettings& settings, int portNumber, const QString& device);

} // namespace pemrix::ports
