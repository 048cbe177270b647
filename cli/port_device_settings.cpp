// COMn through the program's settings ([Devices] COMn=...), so that a script and the
// window reach the same device.

#include "cli/port_device.h"

#include "app/port_settings.h"

#include <QSettings>

namespace pemrix::cli {

std::string deviceForPortNumber(int portNumber) {
    bool ownStoreFailed = false;
    const auto settings = app::openSettingsStore(ownStoreFailed);
    return app::deviceForPort(settings.get(), portNumber).toStdString();
}

} // namespace pemrix::cli
