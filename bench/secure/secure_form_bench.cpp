// The Orvel-416 window: opening it (construction and the factory image shown), and
// showing an image whose keys make the authority rule cascade as much as it can.
// Run with QT_QPA_PLATFORM=offscreen where there is no display (set by default).

#include "forms/dialogs.h"
#include "secure/secure_form.h"
#include "tests/support/recording_host.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using pemrix::secure::TSecureForm;

// The windows here have no main window: a stand-in takes their requests.
pemrix::testing::RecordingHost host;

void OpenWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto form = std::make_unique<TSecureForm>(host);
        form->applyImage(form->factoryImage());
        benchmark::DoNotOptimize(form.get());
    }
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Every key holds authority over all eight loops while loop 1 alone is of the other
// class: each box checked after the first is unchecked again by the rule, which runs
// once more for every uncheck. Two such images (loop 1 round the clock, or all but
// loop 1) alternate so that every control really changes.
std::vector<int> cascadingImage(int roundTheClock) {
    std::vector<int> image = TSecureForm(host).factoryImage();
    image[5] = roundTheClock;
    for (int slot = 0; slot < 8; ++slot) {
        const int record = 8 + slot * 7;
        for (int i = 0; i < 6; ++i)
            image[static_cast<std::size_t>(record + i)] = slot * 16 + i;
        image[static_cast<std::size_t>(record + 6)] = 0xFF;
    }
    return image;
}

void ApplyCascadingImage(benchmark::State& state) {
    TSecureForm form(host);
    const std::vector<int> images[] = {cascadingImage(0x01), cascadingImage(0xFE)};
    int next = 0;
    for (auto _ : state) {
        form.ApplyConfigImage(images[next]);
        next ^= 1;
    }
}
BENCHMARK(ApplyCascadingImage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
