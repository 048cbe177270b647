// The commissioning report of the relay window (eight tabs, factory image), written
// as a PDF for the report check and the README's picture (scripts/checks/report):
//   relay_report_shot <output.pdf>

#include "relay/relay_form.h"
#include "tests/support/recording_host.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QRadioButton>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output.pdf>\n", argv[0]);
        return 2;
    }
    auto& dialogs = pemrix::testing::ScriptedDialogs::installNew();
    dialogs.fileNames = {QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath()};
    pemrix::testing::RecordingHost host;
    pemrix::relay::TReleForm window(host);
    window.ApplyConfigImage(window.factoryImage());
    window.findChild<QRadioButton*>("Orvel427")->click();
    window.WriteReport();
    for (const QString& message : dialogs.messages + dialogs.errors)
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return dialogs.messages.isEmpty() && dialogs.errors.isEmpty() ? 0 : 1;
}
