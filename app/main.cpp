#include "app/main_form.h"
#include "app/pemrix_application.h"
#include "app/startup_probe.h"

#include <exception>

int main(int argc, char* argv[]) {
    pemrix::app::PemrixApplication app(argc, argv);
    // A failure while starting, or one that escapes the loop, is shown and ends the
    // program.
    try {
        pemrix::app::TMainForm form;
        pemrix::app::watchStartup(form);
        form.show();
        return app.exec();
    } catch (const std::exception& error) {
        pemrix::app::PemrixApplication::showError(QString::fromUtf8(error.what()));
    } catch (...) {
        pemrix::app::PemrixApplication::showError(QStringLiteral("Неизвестная ошибка"));
    }
    return 1;
}
