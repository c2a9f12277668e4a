// SPDX-License-Identifier: GPL-3.0-or-later
// The engine alone, headless, in what the child makes it do most: slide
// ticks, drag moves, hovering, loading windows, a whole Number Matching
// round, Play Again and Start Over. All of it must stay far below the 15 ms
// tick period; the front end's share is in front_end_bench.cpp.
#include "tests/harness/harness.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tallowby::testing {
namespace {

// An activity that has not been built yet has none of these widgets.
bool has(Harness& h, const std::string& window, const std::string& widget) {
    return h.app.form(window).indexOf(widget) >= 0;
}

// One tick of the menu's slide; the 71st also opens Number Matching.
void SlideTick(benchmark::State& state) {
    Harness h;
    h.click("main", "Image3");
    for (auto _ : state) {
        h.advance(kFastestTickMs);
        if (h.loaded("nummatch")) {
            state.PauseTiming();
            h.app.unload("nummatch");
            h.click("main", "Image3");
            state.ResumeTiming();
        }
    }
}
BENCHMARK(SlideTick);

// One pointer move with a picture held: its MouseMove handler moves it.
void DragMove(benchmark::State& state, const std::string& window, const std::string& picture) {
    Harness h;
    h.app.show(window);
    if (!has(h, window, picture)) return state.SkipWithError("the window has no such picture yet");
    auto [x, y] = h.reachablePoint(window, picture);
    h.press(window, x, y);
    float dx = 0;
    for (auto _ : state) {
        dx = dx > 3000 ? 0 : dx + 15;
        h.move(window, x + dx, y + dx / 4);
    }
    h.release(window, x, y);
}
BENCHMARK_CAPTURE(DragMove, numeral, std::string("MissingNum"), std::string("oneimg"));
BENCHMARK_CAPTURE(DragMove, apple, std::string("NumberPicking"), std::string("apple1"));

// The pointer crossing the busiest board with no button held: a hit test
// through every widget on each move.
void Hover(benchmark::State& state) {
    Harness h;
    h.app.show("MissingNum");
    const Form& f = h.form("MissingNum");
    float x = 0;
    for (auto _ : state) {
        x = x + 15 >= f.width() ? 0 : x + 15;
        h.move("MissingNum", x, x * f.height() / f.width(), 0);
    }
}
BENCHMARK(Hover);

constexpr const char* kWindows[] = {"main", "nummatch", "MissingNum", "Sequence", "NumberPicking"};

// Loading a window from its table and running its Form_Load, then unloading it.
void LoadAndUnload(benchmark::State& state) {
    const std::string name = kWindows[state.range(0)];
    state.SetLabel(name);
    Harness h;
    h.app.show("About"); // keeps the program alive while the menu reloads
    for (auto _ : state) {
        h.app.unload(name);
        h.app.show(name);
    }
}
BENCHMARK(LoadAndUnload)->DenseRange(0, std::size(kWindows) - 1);

// The numeral shown in Number Matching: the one tile at the question place.
int shownNumeral(Form& game) {
    for (int n = 1; n <= 5; ++n) {
        Picture big = game.picture("big" + std::to_string(n));
        if (big.visible() && big.left() == 3800 && big.top() == 1320) return n;
    }
    return 1;
}

// Open Number Matching, answer all five right, back to the menu.
void NumberMatchingRound(benchmark::State& state) {
    Harness h;
    for (auto _ : state) {
        h.app.show("nummatch");
        for (int question = 0; question < 5; ++question)
            h.click("nummatch", "dot" + std::to_string(shownNumeral(h.form("nummatch"))));
        if (!h.visible("levelup"))
            return state.SkipWithError("the round did not end in the level-end window");
        h.click("levelup", "Image4");
    }
}
BENCHMARK(NumberMatchingRound);

// A button that loads its window afresh: Play Again after a check, Start Over.
void Reload(benchmark::State& state, const std::string& window, const std::string& before,
            const std::string& button) {
    Harness h;
    h.app.show(window);
    if (!has(h, window, button)) return state.SkipWithError("the window has no such button yet");
    for (auto _ : state) {
        state.PauseTiming();
        if (!before.empty()) h.click(window, before);
        state.ResumeTiming();
        h.click(window, button);
    }
}
BENCHMARK_CAPTURE(Reload, play_again, std::string("NumberPicking"), std::string("checkans"),
                  std::string("Image6"));
BENCHMARK_CAPTURE(Reload, start_over, std::string("MissingNum"), std::string(), std::string("Image13"));

} // namespace
} // namespace tallowby::testing
