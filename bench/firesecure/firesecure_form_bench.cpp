// The Orvel-417 window: opening it (construction and the factory image shown), and
// showing images whose loop types, bindings and keys make the rules cascade deepest.
// Run with QT_QPA_PLATFORM=offscreen where there is no display (set by default).

#include "bench/support/window_bench.h"
#include "firesecure/firesecure_form.h"
#include "forms/dialogs.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using pemrix::firesecure::TFireSecureForm;

void OpenWindow(benchmark::State& state) {
    pemrix::bench::openWindow<TFireSecureForm>(state);
}
BENCHMARK(OpenWindow)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Every loop type flips (each flip runs ChangeShS, ChangePriv and ChangeRele), every
// relay is bound to all four loops of mixed types (each binding box checked runs
// ChangePriv, which unchecks the boxes of the other type, running it again), and
// eight keys arm all four loops of mixed 24-hour classes. Two such images with the
// loop types reversed alternate so that every control really changes.
std::vector<int> cascadingImage(int fireLoops) {
    std::vector<int> image = TFireSecureForm(pemrix::bench::standInHost()).factoryImage();
    image[2] = fireLoops << 4;  // fire loops are 24-hour loops
    image[3] = 0x02 | (4 << 5); // keys in use, relay 3 "ПЦН внимание"
    image[4] = fireLoops << 4;
    image[5] = 0xFF; // relays 1 and 2 on every loop
    image[6] = 0x03 | (5 << 3);
    image[7] = 0xF1; // relay 3 on every loop
    pemrix::bench::giveEveryKeyFullAuthority(image);
    return image;
}

void ApplyCascadingImage(benchmark::State& state) {
    const std::vector<int> images[] = {cascadingImage(0x5), cascadingImage(0xA)};
    pemrix::bench::showInTurn(state, images, &TFireSecureForm::ApplyConfigImage);
}
BENCHMARK(ApplyCascadingImage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
