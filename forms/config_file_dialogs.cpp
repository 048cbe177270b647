#include "forms/config_file_dialogs.h"

#include "forms/dialogs.h"
#include "image/config_file_dialog.h"

namespace pemrix::forms {

namespace {

QString filter() {
    return QString::fromStdString(image::qtNameFilter(image::ConfigFileFilter));
}

QString defaultSuffix() {
    return QString::fromLatin1(image::ConfigFileDefaultSuffix);
}

} // namespace

QString askConfigFileToSave(QWidget* window) {
    return Dialogs::instance().saveFileName(window, QStringLiteral("Сохранить как"), filter(),
                                            defaultSuffix());
}

QString askConfigFileToOpen(QWidget* window) {
    return Dialogs::instance().openFileName(window, QStringLiteral("Открыть"), filter(),
                                            defaultSuffix());
}

} // namespace pemrix::forms
