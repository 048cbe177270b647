#include "forms/config_file_dialogs.h"

#include "forms/dialogs.h"
#include "image/config_file_dialog.h"
#include "language/translate.h"

#include <QCoreApplication>

namespace pemrix::forms {

namespace {

QString filter() {
    return QString::fromStdString(
        image::qtNameFilter(language::translate("pemrix", image::ConfigFileFilter)));
}

QString defaultSuffix() {
    return QString::fromLatin1(image::ConfigFileDefaultSuffix);
}

} // namespace

QString askConfigFileToSave(QWidget* window) {
    return Dialogs::instance().saveFileName(
        window, QCoreApplication::translate("pemrix", "Сохранить как"), filter(), defaultSuffix());
}

QString askConfigFileToOpen(QWidget* window) {
    return Dialogs::instance().openFileName(
        window, QCoreApplication::translate("pemrix", "Открыть"), filter(), defaultSuffix());
}

} // namespace pemrix::forms
