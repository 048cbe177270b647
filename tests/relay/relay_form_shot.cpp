// Shows the relay window with the factory image and saves a picture of it:
//   relay_form_shot <output.png> [tab] [controlling device]
// tab 1..8 is the relay tab shown (default 1); the controlling device 0..4 is chosen
// on tab 1 first (default 0). Run under a virtual X server
// (scripts/tools/screenshot-relay); QT_SCALE_FACTOR gives the scaling.

#include "forms/radio_group.h"
#include "relay/relay_form.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.png> [tab] [controlling device]\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const int tab = argc > 2 ? std::atoi(argv[2]) : 1;
    const int device = argc > 3 ? std::atoi(argv[3]) : 0;
    pemrix::testing::RecordingHost host;
    auto* window = new pemrix::relay::TReleForm(host);
    window->applyImage(window->factoryImage());
    window->findChild<pemrix::forms::RadioGroup*>("Ved")->button(device)->click();
    window->findChild<QTabWidget*>("Rele")->setCurrentIndex(tab - 1);
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
