// SPDX-License-Identifier: GPL-3.0-or-later
// The front end's costs on the offscreen platform, each measured up to the
// end of the repaint it causes: a slide tick, a drag move, a window from its
// Show to fully painted, Play Again and Start Over from the click. Ticks
// come from the virtual clock, so only the work is timed, never a wait.
#include "app/qt/form_window.h"
#include "app/qt/front_end.h"
#include "app/windows.h"
#include "tests/fakes/recording_platform.h"
#include "tests/harness/virtual_clock.h"

#include <QApplication>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace tallowby {
namespace {

// Every paint of every widget, seen from outside the windows.
struct PaintWatch : QObject {
    std::map<const QObject*, QRegion> painted;
    int paints = 0;
    bool eventFilter(QObject* target, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted[target] += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

// The whole game on screen, with a recording platform and virtual time.
struct Screens {
    testing::RecordingPlatform platform;
    testing::VirtualClock clock;
    Forms forms{platform, clock};
    std::unique_ptr<FrontEnd> frontEnd;
    PaintWatch watch;

    Screens() {
        clock.attach(forms);
        defineAllWindows(forms);
        frontEnd = std::make_unique<FrontEnd>(forms);
        qApp->installEventFilter(&watch);
        forms.start("main");
        paintAll("main");
    }
    ~Screens() { qApp->removeEventFilter(&watch); }

    FormWindow& window(const std::string& name) { return *frontEnd->window(name); }

    // Runs the event loop until the window has been painted all over.
    void paintAll(const std::string& name) {
        for (;;) {
            if (FormWindow* w = frontEnd->window(name); w && watch.painted[w].contains(w->rect())) return;
            QApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    // Runs the event loop until one more paint has been handled.
    void paintNext() {
        const int before = watch.paints;
        while (watch.paints == before)
            QApplication::processEvents(QEventLoop::AllEvents);
    }
    // Windows that were unloaded are really gone.
    void tidy() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        watch.painted.clear();
    }

    // A click as FormWindow hands it to the engine, at the widget's centre.
    void click(const std::string& window, const std::string& widget) {
        const Form& f = *forms.find(window);
        const Rect r = f.widgets()[f.indexOf(widget)].rect;
        const float x = r.left + r.width / 2, y = r.top + r.height / 2;
        forms.pointerPress(window, kLeft, false, x, y);
        forms.pointerRelease(window, kLeft, false, x, y);
    }
    bool has(const std::string& window, const std::string& widget) {
        return forms.form(window).indexOf(widget) >= 0;
    }
};

void SlideTickRepainted(benchmark::State& state) {
    Screens s;
    s.click("main", "Image3");
    for (auto _ : state) {
        s.clock.advance(kFastestTickMs);
        s.paintNext();
        if (s.forms.isLoaded("nummatch")) {
            state.PauseTiming();
            s.forms.unload("nummatch");
            s.tidy();
            s.click("main", "Image3");
            state.ResumeTiming();
        }
    }
}
BENCHMARK(SlideTickRepainted);

// One pointer move with a picture held, up to the end of its repaint.
void DragMoveRepainted(benchmark::State& state, const std::string& window, const std::string& picture) {
    Screens s;
    s.forms.show(window);
    s.paintAll(window);
    if (!s.has(window, picture)) return state.SkipWithError("the window has no such picture yet");
    const Form& f = *s.forms.find(window);
    const int index = f.indexOf(picture);
    const Rect home = f.widgets()[index].rect;
    const float x = home.left + home.width / 2, y = home.top + home.height / 2;
    s.forms.pointerPress(window, kLeft, false, x, y);
    float dx = 0;
    long long paintedPixels = 0, moves = 0;
    for (auto _ : state) {
        dx = dx > 3000 ? 0 : dx + 15;
        s.watch.painted.clear();
        s.forms.pointerMove(window, kLeft, false, x + dx, y + dx / 4);
        s.paintNext();
        for (const QRect& r : s.watch.painted[&s.window(window)])
            paintedPixels += static_cast<long long>(r.width()) * r.height();
        ++moves;
    }
    s.forms.pointerRelease(window, kLeft, false, x + dx, y + dx / 4);
    // Two rectangles of the picture's size at most: only what it left and where it went.
    state.counters["painted_px_per_move"] = static_cast<double>(paintedPixels) / static_cast<double>(moves);
    state.counters["picture_px"] = home.width / 15 * home.height / 15;
}
BENCHMARK_CAPTURE(DragMoveRepainted, numeral, std::string("MissingNum"), std::string("oneimg"));
BENCHMARK_CAPTURE(DragMoveRepainted, apple, std::string("NumberPicking"), std::string("apple1"));

constexpr const char* kActivities[] = {"nummatch", "MissingNum", "Sequence", "NumberPicking"};

// An activity window from its Show to fully painted, its pictures decoded
// afresh as on every visit: they are let go when it unloads.
void ShowToPainted(benchmark::State& state) {
    const std::string name = kActivities[state.range(0)];
    state.SetLabel(name);
    Screens s;
    for (auto _ : state) {
        s.forms.show(name);
        s.paintAll(name);
        state.PauseTiming();
        s.forms.unload(name);
        s.tidy();
        state.ResumeTiming();
    }
}
BENCHMARK(ShowToPainted)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A button that loads its window afresh, from the click to the new window
// painted all over: Play Again after a check, Start Over.
void ClickToRepainted(benchmark::State& state, const std::string& window, const std::string& before,
                      const std::string& button) {
    Screens s;
    s.forms.show(window);
    s.paintAll(window);
    if (!s.has(window, button)) return state.SkipWithError("the window has no such button yet");
    for (auto _ : state) {
        state.PauseTiming();
        if (!before.empty()) s.click(window, before);
        s.paintAll(window);
        s.tidy();
        state.ResumeTiming();
        s.click(window, button);
        s.paintAll(window);
    }
}
BENCHMARK_CAPTURE(ClickToRepainted, play_again, std::string("NumberPicking"), std::string("checkans"),
                  std::string("Image6"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ClickToRepainted, start_over, std::string("MissingNum"), std::string(),
                  std::string("Image13"))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tallowby

int main(int argc, char* argv[]) {
    // Offscreen unless told otherwise: CI has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says on every Show that it cannot raise windows.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
