#include "app/pemrix_application.h"

#include "forms/dialogs.h"
#include "language/catalog.h"
#include "language/translate.h"

#include <QIcon>
#include <exception>
#include <string_view>

namespace pemrix::app {

std::string versionLine() {
    // The build reads both from the window's version text.
    return "pemrix " PEMRIX_VERSION " (" PEMRIX_RELEASE_DATE ")\n";
}

std::optional<std::string> commandLineAnswer(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version")
            return versionLine();
        if (arg == "--help")
            return language::translate(
                "pemrix",
                "Использование: pemrix [параметры Qt]\n"
                "               pemrix --version | --help\n"
                "\n"
                "Открывает главное окно конфигуратора Pemrix: один модуль Orvel на\n"
                "последовательном порту (COM1..COM4) — связь, чтение, правка и запись в окне\n"
                "его типа. Прочие аргументы принадлежат Qt (-platform ИМЯ, ...).\n"
                "\n"
                "  --lang en|ru\n"
                "              язык программы: английский или русский (иначе по LANG)\n"
                "  --version   вывести версию и выйти\n"
                "  --help      эта справка\n"
                "\n"
                "Без окна: pemrix-cli --help.\n");
    }
    return std::nullopt;
}

PemrixApplication::PemrixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Pemrix"));
    setOrganizationName(QStringLiteral("Pemrix"));
    // The desktop matches the windows to the menu entry and its icon by this name.
    setDesktopFileName(QString::fromLatin1(desktopId));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/pemrix-%1.png").arg(size));
    setWindowIcon(icon);
    language::installCatalogs(*this);
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
        showError(QCoreApplication::translate("pemrix", "Неизвестная ошибка"));
    }
}

void PemrixApplication::showError(const QString& text) {
    forms::Dialogs::instance().error(activeWindow(), text);
}

} // namespace pemrix::app
