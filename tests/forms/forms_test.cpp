// SPDX-License-Identifier: GPL-3.0-or-later
// The form engine on two small windows: lifecycle, hit testing, capture,
// clicks, timers and caller faults.
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

struct Log {
    int homeLoads = 0, otherLoads = 0, ticks = 0;
    Names events;
};

// "home" has pictures stacked front to back, a parked holder of each kind
// and a timer; "other" counts its loads and can unload itself mid-handler.
std::vector<FormDef> fixtureWindows(std::shared_ptr<Log> log) {
    FormDef home;
    home.name = "home";
    home.caption = "Home";
    home.width = 3000;
    home.height = 2000;
    home.widgets = {
        textField("value", 3100, 0, 300, 300, "start"),
        list("items", 3100, 400, 300, 300),
        timer("tick", 1),
        label("note", 150, 150, 300, 300, "note"),
        picture("front", 100, 100, 600, 600, "front.png"),
        picture("hidden", 100, 100, 600, 600, "hidden.png"),
        picture("back", 300, 300, 900, 900, "back.png"),
        picture("parked", 3000, 0, 600, 600, "parked.png"),
        picture("edge", 2700, 1700, 600, 600, "edge.png"),
        shape("frame", 2000, 100, 300, 300, kWhite),
    };
    home.onLoad([log](Forms& app) {
        ++log->homeLoads;
        app.form("home").picture("hidden").setVisible(false);
        app.form("home").timer("tick").setEnabled(false);
    });
    auto record = [log](std::string what) {
        return [log, what](Forms&, const MouseArgs& m) {
            log->events.push_back(what + " " + std::to_string(m.button) + " " + std::to_string(int(m.x)) +
                                  "," + std::to_string(int(m.y)));
        };
    };
    for (const char* name : {"front", "back", "hidden", "edge"}) {
        std::string n = name;
        home.onClick(n, [log, n](Forms&) { log->events.push_back(n + " click"); });
        home.onMouseDown(n, record(n + " down"));
        home.onMouseMove(n, record(n + " move"));
        home.onMouseUp(n, record(n + " up"));
    }
    home.onClick("note", [log](Forms&) { log->events.push_back("note click"); });
    home.onTimer("tick", [log](Forms&) { ++log->ticks; });

    FormDef other;
    other.name = "other";
    other.caption = "Other";
    other.width = 1500;
    other.height = 1500;
    other.widgets = {
        label("status", 0, 0, 1500, 300, "fresh"),
        picture("closer", 0, 600, 600, 600, "closer.png"),
    };
    other.onLoad([log](Forms&) { ++log->otherLoads; });
    // Unloads its own window, then goes on writing to it: the handler runs to its end.
    other.onClick("closer", [log](Forms& app) {
        Form& self = app.form("other");
        app.unload("other");
        self.label("status").setCaption("written after unload");
        log->events.push_back("closer done");
    });
    return {home, other};
}

struct Engine : ::testing::Test {
    std::shared_ptr<Log> log = std::make_shared<Log>();
    Harness h{fixtureWindows(log)};
    void SetUp() override { h.app.start("home"); }
    Names events() { return std::exchange(log->events, {}); }
};

// ---- lifecycle -----------------------------------------------------------

struct LifecycleCase {
    const char* name;
    std::function<void(Harness&)> steps;
    Names loaded;
    Names visible; // front first
    bool ended;
    int otherLoads;
};

TEST_F(Engine, WindowLifecycle) {
    const LifecycleCase cases[] = {
        {"touch loads once and stays hidden",
         [](Harness& h) {
             h.app.form("other");
             h.app.form("other").label("status");
         },
         {"home", "other"},
         {"home"},
         false,
         1},
        {"show loads, makes visible and brings to the front",
         [](Harness& h) { h.app.show("other"); },
         {"home", "other"},
         {"other", "home"},
         false,
         1},
        {"showing a visible window only brings it forward",
         [](Harness& h) {
             h.app.show("other");
             h.app.show("home");
         },
         {"home", "other"},
         {"home", "other"},
         false,
         1},
        {"unload then show loads afresh",
         [](Harness& h) {
             h.app.show("other");
             h.app.unload("other");
             h.app.show("other");
         },
         {"home", "other"},
         {"other", "home"},
         false,
         2},
        {"unloading a window that is not loaded does nothing",
         [](Harness& h) { h.app.unload("other"); },
         {"home"},
         {"home"},
         false,
         0},
        {"close boxes one by one end the program at the last",
         [](Harness& h) {
             h.app.show("other");
             h.closeBox("other");
             h.closeBox("home");
         },
         {},
         {},
         true,
         1},
        {"closing the first window while another is open goes on",
         [](Harness& h) {
             h.app.show("other");
             h.closeBox("home");
         },
         {"other"},
         {"other"},
         false,
         1},
        {"no invisible process: closing the last visible window unloads hidden ones",
         [](Harness& h) {
             h.app.form("other");
             h.closeBox("home");
         },
         {},
         {},
         true,
         1},
        {"a window that unloads itself in its handler lets the handler finish",
         [](Harness& h) {
             h.app.show("other");
             h.click("other", "closer");
         },
         {"home"},
         {"home"},
         false,
         1},
    };
    for (const auto& c : cases) {
        auto log = std::make_shared<Log>();
        Harness h(fixtureWindows(log));
        h.app.start("home");
        c.steps(h);
        EXPECT_EQ(h.app.loadedNames(), c.loaded) << c.name;
        EXPECT_EQ(h.app.visibleFrontToBack(), c.visible) << c.name;
        EXPECT_EQ(h.app.ended(), c.ended) << c.name;
        EXPECT_EQ(log->otherLoads, c.otherLoads) << c.name;
        EXPECT_EQ(log->homeLoads, 1) << c.name;
        EXPECT_EQ(h.clock.runningCount(), 0) << c.name;
    }
}

TEST_F(Engine, UnloadAndShowRestoresEveryTableValue) {
    Form& home = h.form("home");
    home.picture("front").move(1234, 567);
    home.label("note").setCaption("changed");
    home.textField("value").setText("42");
    home.list("items").addItem("a");
    home.picture("hidden").setVisible(true);
    home.setCaption("Renamed");
    h.app.show("other"); // keeps the program alive while home is gone
    h.app.unload("home");
    h.app.show("home");

    Form& fresh = h.form("home");
    EXPECT_EQ(fresh.picture("front").left(), 100);
    EXPECT_EQ(fresh.picture("front").top(), 100);
    EXPECT_EQ(fresh.label("note").caption(), "note");
    EXPECT_EQ(fresh.textField("value").text(), "start");
    EXPECT_EQ(fresh.list("items").count(), 0);
    EXPECT_FALSE(fresh.picture("hidden").visible()) << "its Form_Load ran again";
    EXPECT_EQ(fresh.caption(), "Home");
    EXPECT_EQ(log->homeLoads, 2);
}

TEST_F(Engine, TheProgramEndsOnlyAfterTheRunningHandlerReturns) {
    // A handler that unloads everything and then touches a window: the touch
    // loads it hidden, and once the handler returns nothing visible is left.
    Harness h2(fixtureWindows(log));
    h2.app.define([&] {
        FormDef f;
        f.name = "quitter";
        f.width = 1000;
        f.height = 1000;
        f.widgets = {picture("go", 0, 0, 1000, 1000, "go.png")};
        f.onClick("go", [&](Forms& app) {
            app.unload("quitter");
            EXPECT_FALSE(app.ended()) << "not while the handler runs";
            app.form("other");
        });
        return f;
    }());
    h2.app.start("quitter");
    h2.click("quitter", "go");
    EXPECT_TRUE(h2.app.ended());
    EXPECT_TRUE(h2.app.loadedNames().empty());
}

// ---- hit testing and clicks ----------------------------------------------

TEST_F(Engine, ThePointerReachesTheFrontmostVisibleWidgetOnly) {
    const Form& home = h.form("home");
    const struct {
        float x, y;
        const char* widget; // nullptr: nothing
    } cases[] = {
        {200, 200, "note"},  // label in front of the front picture
        {500, 500, "front"}, // front covers back; the hidden picture on the same spot is skipped
        {1000, 1000, "back"}, {2500, 1500, nullptr}, // bare window
        {2800, 1800, "edge"},                        // partly outside: hit inside the client area
        {3100, 100, nullptr},                        // outside the client area (where "parked" lies)
        {2100, 200, "frame"}, {-1, 10, nullptr},
    };
    for (const auto& c : cases) {
        int hit = h.app.hitTest(home, c.x, c.y);
        EXPECT_EQ(hit < 0 ? std::string("nothing") : home.widgets()[hit].def->name,
                  c.widget ? c.widget : "nothing")
            << c.x << "," << c.y;
    }
}

TEST_F(Engine, AWidgetWithoutAClickHandlerStillTakesTheClick) {
    h.form("home").picture("back").move(0, 0); // moving keeps it behind front
    h.clickAt("home", 2100, 200);              // the frame has no handler
    h.clickAt("home", 500, 500);
    EXPECT_EQ(events(), (Names{"front down 1 400,400", "front up 1 400,400", "front click"}));
}

TEST_F(Engine, AParkedPictureMovedIntoViewIsHitAndParkedAgainIsNot) {
    Picture parked = h.form("home").picture("parked");
    EXPECT_EQ(h.app.hitTest(h.form("home"), 2500, 1000), -1);
    parked.move(2400, 900);
    EXPECT_EQ(h.app.hitTest(h.form("home"), 2500, 1000), h.form("home").indexOf("parked"));
    parked.move(-600, 900); // right edge exactly at 0: wholly outside
    EXPECT_TRUE(h.form("home").parked({-600, 900, 600, 600}));
    EXPECT_EQ(h.app.hitTest(h.form("home"), 0, 1000), -1);
}

TEST_F(Engine, APressedPictureKeepsThePointerUntilRelease) {
    h.press("home", 1000, 1000); // back, at (700, 700) inside it
    h.move("home", 2500, 1900);  // far outside back's rectangle
    h.move("home", 2999, 1999, kLeft | kRight);
    h.release("home", 2500, 1900);
    EXPECT_EQ(events(), (Names{"back down 1 700,700", "back move 1 2200,1600", "back move 3 2699,1699",
                               "back up 1 2200,1600"}))
        << "no click: the release was not over back";
}

TEST_F(Engine, ACaptureLastsUntilEveryButtonIsUpAndOnlyTheLeftButtonClicks) {
    h.press("home", 1000, 1000, kLeft);
    h.press("home", 2500, 1900, kRight); // goes to back, not to the bare window
    h.release("home", 1000, 1000, kRight);
    h.move("home", 1100, 1000, kLeft);
    h.release("home", 1000, 1000, kLeft);
    h.press("home", 1000, 1000, kRight);
    h.release("home", 1000, 1000, kRight);
    h.move("home", 1000, 1000, kNoButton); // hover
    EXPECT_EQ(events(), (Names{"back down 1 700,700", "back down 2 2200,1600", "back up 2 700,700",
                               "back move 1 800,700", "back up 1 700,700", "back click",
                               "back down 2 700,700", "back up 2 700,700", "back move 0 700,700"}));
}

TEST_F(Engine, AClickNeedsPressAndReleaseOverTheSameWidget) {
    h.press("home", 500, 500);     // front
    h.release("home", 1000, 1000); // over back
    h.press("home", 1000, 1000);   // back
    h.release("home", 500, 500);   // over front
    for (const auto& e : events())
        EXPECT_EQ(e.find("click"), std::string::npos) << e;
}

// ---- timers --------------------------------------------------------------

TEST_F(Engine, AOneMillisecondTimerTicksAtTheFastestPeriod) {
    Timer tick = h.form("home").timer("tick");
    tick.setEnabled(true);
    h.advance(kFastestTickMs * 10);
    EXPECT_EQ(log->ticks, 10);
    tick.setEnabled(true); // already on: no restart, no extra tick
    h.advance(kFastestTickMs - 1);
    EXPECT_EQ(log->ticks, 10);
    h.advance(1);
    EXPECT_EQ(log->ticks, 11);
    tick.setEnabled(false);
    h.advance(1000);
    EXPECT_EQ(log->ticks, 11);
    tick.setInterval(100);
    tick.setEnabled(true);
    h.advance(1000);
    EXPECT_EQ(log->ticks, 21);
}

TEST_F(Engine, ATimerOfAnUnloadedWindowNeverTicks) {
    h.form("home").timer("tick").setEnabled(true);
    TimerKey stale{h.form("home").id(), h.form("home").indexOf("tick")};
    h.app.show("other");
    h.app.unload("home");
    h.app.timerFired(stale); // a tick the toolkit had already queued
    h.advance(1000);
    EXPECT_EQ(log->ticks, 0);
    h.app.show("home"); // fresh window: its Form_Load switched the timer off
    h.app.timerFired(stale);
    EXPECT_EQ(log->ticks, 0);
}

// ---- faults --------------------------------------------------------------

TEST_F(Engine, CallerFaultsAreRecordedAndHarmless) {
    List items = h.form("home").list("items");
    items.addItem("a");
    EXPECT_EQ(items.item(1), "");
    items.removeItem(-1);
    items.removeItem(1);
    EXPECT_EQ(items.count(), 1);
    EXPECT_EQ(h.app.readStrict("7 8"), 0);
    EXPECT_EQ(h.app.readStrict(" 7 "), 7);
    EXPECT_EQ(h.app.faults().size(), 4u);
}

TEST_F(Engine, AskingForAWrongNameOrKindFailsLoudly) {
    Form& home = h.form("home");
    EXPECT_THROW(home.picture("nope"), std::logic_error);
    EXPECT_THROW(home.label("front"), std::logic_error);
    EXPECT_THROW(h.app.form("nowhere"), std::logic_error);
}

TEST_F(Engine, ListsKeepTheirOrderAndCloseGaps) {
    List items = h.form("home").list("items");
    for (const char* s : {"1", "2", "3", "4"})
        items.addItem(s);
    items.removeItem(1);
    EXPECT_EQ(items.item(0), "1");
    EXPECT_EQ(items.item(1), "3");
    EXPECT_EQ(items.count(), 3);
    items.clear();
    EXPECT_EQ(items.count(), 0);
    EXPECT_TRUE(h.app.faults().empty());
}

} // namespace
} // namespace tallowby::testing
