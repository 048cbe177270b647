#include "app/pemrix_application.h"

#include "forms/dialogs.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

namespace pemrix::app {

PemrixApplication::PemrixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pemrix"));
    setOrganizationName(QStringLiteral("Pemrix"));
    // Qt's own buttons read "Да"/"Нет" like the rest of the program.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool PemrixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentError();
    }
    return false;
}

void PemrixApplication::showCurrentError() {
    try {
        throw;
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(QStringLiteral("Неизвестная ошибка"));
    }
}

void PemrixApplication::showError(const QString& text) {
    forms::Dialogs::instance().error(activeWindow(), text);
}

} // namespace pemrix::app
