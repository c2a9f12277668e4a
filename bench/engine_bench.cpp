// SPDX-License-Identifier: GPL-3.0-or-later
// What the game does most often per frame: a slide tick and a pointer move
// during a capture. Both must stay far below the 15 ms tick period.
#include "tests/harness/harness.h"

#include <benchmark/benchmark.h>

namespace tallowby::testing {
namespace {

void SlideTick(benchmark::State& state) {
    Harness h;
    for (auto _ : state) {
        h.click("main", "Image3");
        h.advance(kFastestTickMs);
        if (h.loaded("nummatch")) {
            state.PauseTiming();
            h.app.unload("nummatch");
            state.ResumeTiming();
        }
    }
}
BENCHMARK(SlideTick);

void PointerMoveWhileCaptured(benchmark::State& state) {
    Harness h;
    auto [x, y] = h.reachablePoint("main", "Image7");
    h.press("main", x, y);
    float dx = 0;
    for (auto _ : state) {
        dx = dx > 3000 ? 0 : dx + 15;
        h.move("main", x + dx, y);
    }
    h.release("main", x, y);
}
BENCHMARK(PointerMoveWhileCaptured);

void LoadAndUnloadTheMenu(benchmark::State& state) {
    Harness h;
    h.app.show("About"); // keeps the program alive while the menu reloads
    for (auto _ : state) {
        h.app.unload("main");
        h.app.show("main");
    }
}
BENCHMARK(LoadAndUnloadTheMenu);

} // namespace
} // namespace tallowby::testing
