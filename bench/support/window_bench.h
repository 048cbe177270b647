#pragma once
// What the window benchmarks share: a stand-in for the main window, opening a window
// as the main window does, and showing two images in turn.

#include "tests/support/recording_host.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace pemrix::bench {

// The windows here have no main window: a stand-in takes their requests.
inline testing::RecordingHost& standInHost() {
    static testing::RecordingHost host;
    return host;
}

// Construction and the factory image shown.
template <class Window> void openWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<Window>(standInHost());
        window->ApplyConfigImage(window->factoryImage());
        benchmark::DoNotOptimize(window.get());
    }
}

// Two images that differ in every control, shown one after the other, so that every
// control really changes each time.
template <class Window>
void showInTurn(benchmark::State& state, const std::vector<int> (&images)[2],
                void (Window::*show)(std::span<const int>)) {
    Window window(standInHost());
    int next = 0;
    for (auto _ : state) {
        (window.*show)(images[next]);
        next ^= 1;
    }
}

// Eight keys, each with its own code and authority over every loop.
inline void giveEveryKeyFullAuthority(std::vector<int>& image) {
    for (int slot = 0; slot < 8; ++slot) {
        const int record = 8 + slot * 7;
        for (int i = 0; i < 6; ++i)
            image[static_cast<std::size_t>(record + i)] = slot * 16 + i;
        image[static_cast<std::size_t>(record + 6)] = 0xFF;
    }
}

} // namespace pemrix::bench
