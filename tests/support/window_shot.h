#pragma once
// The main of the programs that take pictures of a module window for the
// documentation: the window with its factory image, shown, and saved once painted.
//   <program> <output.png> [what the window's own program takes]
// Run under a virtual X server (scripts/tools/screenshot-*); QT_SCALE_FACTOR gives
// the scaling, the language is the program's (LANG, --lang en).

#include "language/catalog.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace pemrix::testing {

// `prepare` gets the window before it is shown, with the arguments Qt left.
template <class Window>
int shootModuleWindow(int argc, char** argv, const char* moreUsage = "",
                      const std::function<void(Window&, int, char**)>& prepare = {}) {
    language::useLanguage(
        language::chosenLanguage(language::takeLanguageOption(argc, argv), std::getenv));
    QApplication app(argc, argv);
    language::installCatalogs(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.png>%s\n", argv[0], moreUsage);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    RecordingHost host;
    auto* window = new Window(host);
    window->ApplyConfigImage(window->factoryImage());
    if (prepare)
        prepare(*window, argc, argv);
    window->show();
    int status = 0;
    QTimer::singleShot(500, &app, [&] {
        if (!window->grab().save(output))
            status = 1;
        std::printf("%s %dx%d\n", qPrintable(output), window->width(), window->height());
        window->close();
        app.quit();
    });
    app.exec();
    return status;
}

} // namespace pemrix::testing
