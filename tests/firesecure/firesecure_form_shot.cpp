// Shows the Orvel-417 window with the factory image and saves a picture of it:
//   firesecure_form_shot <output.png>
// Run under a virtual X server (scripts/tools/screenshot-firesecure); QT_SCALE_FACTOR
// gives the scaling.

#include "firesecure/firesecure_form.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.png>\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    pemrix::testing::RecordingHost host;
    auto* window = new pemrix::firesecure::TFireSecureForm(host);
    window->applyImage(window->factoryImage());
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
