// The settings store on Windows: the registry key HKEY_CURRENT_USER\Software\Pemrix.

#include "ports/port_settings.h"

#include <QSettings>

namespace pemrix::ports {

std::unique_ptr<QSettings> openSettingsStore(bool& ownStoreFailed) {
    ownStoreFailed = false;
    // Qt opens the key, creating it when it is missing.
    auto store = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Pemrix"),
                                             QSettings::NativeFormat);
    if (store->status() == QSettings::NoError)
        return store;
    // The key cannot be created: the port choice goes to Software\Port instead.
    ownStoreFailed = true;
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software"),
                                       QSettings::NativeFormat);
}

} // namespace pemrix::ports
