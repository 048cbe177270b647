#include "app/graphical_session.h"
#include "app/main_form.h"
#include "app/module_windows.h"
#include "app/parent_console.h"
#include "app/pemrix_application.h"
#include "app/startup_probe.h"
#include "app/worker_shutdown.h"
#include "language/catalog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // The language first: the answers below are given in it already.
    pemrix::language::useLanguage(pemrix::language::chosenLanguage(
        pemrix::language::takeLanguageOption(argc, argv), std::getenv));
    // --version and --help are answered before Qt starts, so they need no display.
    if (const auto answer = pemrix::app::commandLineAnswer(argc, argv)) {
        pemrix::app::reachParentConsole();
        const bool written = std::fputs(answer->c_str(), stdout) >= 0;
        return written && std::fflush(stdout) == 0 ? 0 : 1;
    }
    // Told here, in the program's language, rather than by Qt aborting on its own.
    if (const auto missing = pemrix::app::missingDisplayText(argc, argv, std::getenv)) {
        std::fputs(missing->c_str(), stderr);
        return 1;
    }
    pemrix::app::provideRuntimeFolder();
    pemrix::app::chooseFontEngine(argc, argv, std::getenv);
    pemrix::app::PemrixApplication app(argc, argv);
    // A failure while starting, or one that escapes the loop, is shown and ends the
    // program.
    try {
        int result = 0;
        {
            pemrix::app::TMainForm form;
            pemrix::app::registerModuleWindows(form);
            pemrix::app::watchStartup(form);
            form.show();
            result = app.exec();
        }
        // The main window has stopped the worker and closed the port on its way out.
        pemrix::app::letWorkersRunOut(std::chrono::seconds(5));
        return result;
    } catch (...) {
        pemrix::app::PemrixApplication::showCurrentError();
    }
    return 1;
}
