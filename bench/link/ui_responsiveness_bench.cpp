// How long the user-interface thread goes without handling its events while a worker
// reads a configuration into the Orvel-416 window: a timer on that thread ticks every
// millisecond, and the gaps between its ticks are measured. The worker reads from an
// emulated module that sends at 1200 baud, with the exchange's real waits, an image
// whose keys make the window's authority rule cascade as far as it can (the most
// work a delivered image can cause), through the main window as the user starts it.
// Run with QT_QPA_PLATFORM=offscreen where there is no display (set by default).
//
// Reported: the worst gap and its 99th percentile during the reads, minus the tick's
// own millisecond (the delay), and the same with no exchange running, for comparison.

#include "app/main_form.h"
#include "app/module_windows.h"
#include "emulator/emulator.h"
#include "forms/dialogs.h"
#include "link/com_thread.h"
#include "link/module_profile.h"
#include "link/reports.h"
#include "link/system_serial_port.h"
#include "secure/secure_form.h"
#include "tests/support/recording_target.h"
#include "tests/support/scripted_dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace pemrix;
using namespace std::chrono_literals;

// Every key holds authority over all eight loops while loop 1 alone is of the other
// class: each box checked after the first is unchecked again by the rule.
std::vector<std::uint8_t> cascadingImage() {
    std::vector<int> image = secure::secureFactoryImage();
    image[5] = 0x01;
    for (int slot = 0; slot < 8; ++slot) {
        const int record = 8 + slot * 7;
        for (int i = 0; i < 6; ++i)
            image[static_cast<std::size_t>(record + i)] = slot * 16 + i;
        image[static_cast<std::size_t>(record + 6)] = 0xFF;
    }
    return {image.begin(), image.end()};
}

QString statusOfReport(int code) {
    pemrix::testing::RecordingTarget recorder(link::ModuleKind::Secure);
    link::ShowReport(recorder, code, 0);
    return QString::fromStdString(recorder.lastStatus);
}

// Gaps between the ticks of a millisecond timer on this thread.
class TickGaps {
  public:
    TickGaps() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            if (last_ >= 0)
                gapsMs.push_back(static_cast<double>(now - last_) / 1e6);
            last_ = now;
        });
    }
    void start() {
        last_ = -1;
        clock_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }

    double worst() const {
        return gapsMs.empty() ? 0 : *std::max_element(gapsMs.begin(), gapsMs.end());
    }
    double percentile(double p) const {
        if (gapsMs.empty())
            return 0;
        std::vector<double> sorted = gapsMs;
        std::sort(sorted.begin(), sorted.end());
        const auto index = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
        return sorted[index];
    }
    std::vector<double> gapsMs;

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = -1;
};

// Handles events until `done` holds; false when `limit` passes first.
bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    QDeadlineTimer deadline(limit);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    check.start(1);
    if (!done())
        loop.exec();
    return done();
}

void report(benchmark::State& state, const TickGaps& gaps) {
    state.counters["ticks"] = static_cast<double>(gaps.gapsMs.size());
    state.counters["worst_gap_ms"] = gaps.worst();
    state.counters["worst_delay_ms"] = gaps.worst() - 1.0;
    state.counters["p99_gap_ms"] = gaps.percentile(0.99);
    state.counters["p99_delay_ms"] = gaps.percentile(0.99) - 1.0;
}

void ReadIntoSecureWindow(benchmark::State& state) {
    forms::Dialogs::install(nullptr);
    pemrix::testing::ScriptedDialogs::installNew();
    emulator::EmulatorConfig config;
    config.model = pemrix::link::ModuleKind::Secure;
    config.image = cascadingImage();
    config.faults.set(emulator::Fault::BaudPacing);
    emulator::Emulator module(config);
    module.start();

    auto main = std::make_unique<app::TMainForm>();
    app::registerModuleWindows(*main);
    main->setPortOpener([&module](const std::string&) -> app::PortPtr {
        return link::SystemSerialPort::open(module.devicePath(), link::OpenOptions{0ms});
    });
    main->Orvel416Click();
    auto* window = qobject_cast<secure::TSecureForm*>(main->moduleWindow());
    auto* readButton = window->findChild<QPushButton*>("ReadButton");
    auto* statusBar = window->findChild<QStatusBar*>("StatusBar1");
    const QString linked = statusOfReport(link::ReportCode::LinkEstablished);
    const QString readDone = statusOfReport(link::ReportCode::ReadDone);
    if (!runUntil([&] { return readButton->isEnabled() && statusBar->currentMessage() == linked; },
                  10s)) {
        state.SkipWithError("the emulated module did not link");
        return;
    }

    TickGaps gaps;
    const std::vector<int> factory = window->factoryImage();
    for (auto _ : state) {
        // Back to the factory image, so that every read changes the controls again.
        window->ApplyConfigImage(factory);
        statusBar->clearMessage();
        QElapsedTimer took;
        gaps.start();
        took.start();
        readButton->click();
        const bool read = runUntil(
            [&] { return readButton->isEnabled() && statusBar->currentMessage() == readDone; },
            10s);
        const double seconds = static_cast<double>(took.nsecsElapsed()) / 1e9;
        gaps.stop();
        if (!read) {
            state.SkipWithError("the read did not finish");
            break;
        }
        state.SetIterationTime(seconds);
    }
    report(state, gaps);

    window->close();
    runUntil([] { return link::TComThread::liveCount() == 0; }, 10s);
    main.reset();
    forms::Dialogs::install(nullptr);
}
BENCHMARK(ReadIntoSecureWindow)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same timer with nothing else going on: the floor of what the loop can show.
void IdleLoop(benchmark::State& state) {
    TickGaps gaps;
    for (auto _ : state) {
        gaps.start();
        QElapsedTimer took;
        took.start();
        runUntil([&] { return took.elapsed() >= 1000; }, 5s);
        gaps.stop();
        state.SetIterationTime(static_cast<double>(took.nsecsElapsed()) / 1e9);
    }
    report(state, gaps);
}
BENCHMARK(IdleLoop)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window keeps its port choice in a settings folder of this run only.
    QTemporaryDir config;
    if (!config.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
