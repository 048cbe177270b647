// The Orvel-416 window: opening it (construction and the factory image shown), and
// showing an image whose keys make the authority rule cascade as much as it can.
// Run with QT_QPA_PLATFORM=offscreen where there is no display (set by default).

#include "bench/support/window_bench.h"
#include "forms/dialogs.h"
#include "secure/secure_form.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using pemrix::secure::TSecureForm;

void OpenWindow(benchmark::State& state) {
    pemrix::bench::openWindow<TSecureForm>(state);
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Every key holds authority over all eight loops while loop 1 alone is of the other
// class: each box checked after the first is unchecked again by the rule, which runs
// once more for every uncheck. Two such images (loop 1 round the clock, or all but
// loop 1) alternate so that every control really changes.
std::vector<int> cascadingImage(int roundTheClock) {
    std::vector<int> image = TSecureForm(pemrix::bench::standInHost()).factoryImage();
    image[5] = roundTheClock;
    pemrix::bench::giveEveryKeyFullAuthority(image);
    return image;
}

void ApplyCascadingImage(benchmark::State& state) {
    const std::vector<int> images[] = {cascadingImage(0x01), cascadingImage(0xFE)};
    pemrix::bench::showInTurn(state, images, &TSecureForm::ApplyConfigImage);
}
BENCHMARK(ApplyCascadingImage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
