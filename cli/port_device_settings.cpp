// COMn through the program's settings ([Devices] COMn=...), so that a script and the
// window reach the same device.

#include "cli/port_device.h"

#include "ports/port_settings.h"

#include <QSettings>

namespace pemrix::cli {

std::string deviceForPortNumber(int portNumber) {
    bool ownStoreFailed = false;
    const auto settings = ports::openSettingsStore(ownStoreFailed);
    return ports::deviceForPort(settings.get(), portNumber).toStdString();
}

} // namespace pemrix::cli
