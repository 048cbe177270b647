// The main of the window benchmarks: an offscreen application whose message boxes and
// file dialogs answer from a script, so no window ever waits for a user.

#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pemrix::testing::ScriptedDialogs::installNew();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
