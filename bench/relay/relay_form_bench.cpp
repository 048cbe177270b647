// The relay window: opening it (eight tabs of 59 controls and the factory image
// shown), showing a full image that changes every control, and the availability rule
// run across all eight relays. Run with QT_QPA_PLATFORM=offscreen where there is no
// display (set by default).

#include "bench/support/window_bench.h"
#include "forms/dialogs.h"
#include "forms/radio_group.h"
#include "relay/relay_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

using pemrix::relay::TReleForm;

void OpenWindow(benchmark::State& state) {
    pemrix::bench::openWindow<TReleForm>(state);
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Two images that differ in every cell, the controlling device included, alternate:
// each one runs the availability rule and sets every box.
std::vector<int> fullImage(int pattern, int device) {
    std::vector<int> image(66, pattern);
    image[55] = 0;
    image[57] = device;
    image[58] = pattern == 0 ? 18 : 72;
    return image;
}

void ApplyFullImage(benchmark::State& state) {
    const std::vector<int> images[] = {fullImage(0xFF, 1), fullImage(0x00, 2)};
    pemrix::bench::showInTurn(state, images, &TReleForm::ApplyConfigImage);
}
BENCHMARK(ApplyFullImage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The user switches between a device that clears most boxes and one that clears none.
void VedClickAllRelays(benchmark::State& state) {
    TReleForm form(pemrix::bench::standInHost());
    auto* ved = form.findChild<pemrix::forms::RadioGroup*>("Ved");
    int next = 1;
    for (auto _ : state) {
        ved->setItemIndex(next);
        next = next == 1 ? 3 : 1;
    }
}
BENCHMARK(VedClickAllRelays)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The commissioning report of all eight tabs written as a PDF, the save dialog
// answered at once and printing declined.
class ReportDialogs : public pemrix::forms::QtDialogs {
  public:
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return QDir::temp().filePath(QStringLiteral("pemrix-bench-report.pdf"));
    }
    bool question(QWidget*, const QString&, const QString&) override { return false; }
};

void WriteReport(benchmark::State& state) {
    pemrix::forms::Dialogs::install(std::make_unique<ReportDialogs>());
    TReleForm form(pemrix::bench::standInHost());
    form.findChild<QRadioButton*>("Orvel427")->click();
    for (auto _ : state)
        form.WriteReport();
    pemrix::forms::Dialogs::install(nullptr);
    QFile::remove(QDir::temp().filePath(QStringLiteral("pemrix-bench-report.pdf")));
}
BENCHMARK(WriteReport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
