// The settings store on POSIX systems: an INI file in the user's config folder
// (XDG_CONFIG_HOME, usually ~/.config), <config>/Pemrix/Pemrix.conf. Qt's native
// format here is that INI file, with the .conf ending.

#include "ports/port_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace pemrix::ports {

namespace {

std::unique_ptr<QSettings> ownStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Pemrix"), QStringLiteral("Pemrix"));
}

// The store is usable when its folder exists and its file, if there is one yet,
// can be both read and written.
bool usable(const QSettings& store) {
    const QFileInfo file(store.fileName());
    if (!QFileInfo(file.absolutePath()).isDir())
        return false;
    if (file.exists() && (!file.isFile() || !file.isReadable() || !file.isWritable()))
        return false;
    return store.status() != QSettings::AccessError;
}

} // namespace

std::unique_ptr<QSettings> openSettingsStore(bool& ownStoreFailed) {
    ownStoreFailed = false;
    auto store = ownStore();
    if (usable(*store))
        return store;

    QDir().mkpath(QFileInfo(store->fileName()).absolutePath());
    store = ownStore();
    if (usable(*store))
        return store;

    // The own folder cannot be made (a file of that name, no permission): keep the
    // port choice one level up, in <config>/Pemrix.conf, as the registry keeps it
    // under Software itself when the program's own key cannot be created.
    ownStoreFailed = true;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Pemrix"));
}

} // namespace pemrix::ports
