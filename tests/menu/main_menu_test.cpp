// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu as the child uses it: bars, their slide, About and EXIT.
#include "menu/web_addresses.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

struct Menu : ::testing::Test {
    Harness h;
    Form& menu() { return h.form("main"); }
    float left(const char* bar) { return menu().picture(bar).left(); }
    std::string countdown() { return menu().label("timelbl").caption(); }
    void tick() { h.advance(kFastestTickMs); }
    void TearDown() override { EXPECT_TRUE(h.app.faults().empty()); }
};

TEST_F(Menu, OpensIdleWithTheFourBarsInOneColumn) {
    EXPECT_EQ(menu().caption(), "Tallowby - MATH - Numbers 1-10");
    EXPECT_EQ(menu().width(), 8835);
    EXPECT_EQ(menu().height(), 7575);
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
    const struct {
        const char* bar;
        float top;
    } bars[] = {{"Image3", 2880}, {"Image4", 3480}, {"Image5", 4080}, {"Image7", 4680}};
    for (const auto& b : bars) {
        EXPECT_EQ(left(b.bar), 1800) << b.bar;
        EXPECT_EQ(menu().picture(b.bar).top(), b.top) << b.bar;
    }
    EXPECT_EQ(countdown(), "8");
    EXPECT_EQ(h.clock.runningCount(), 0);
}

TEST_F(Menu, EachBarChimesAndSlidesSeventyOneTicksIntoItsActivity) {
    const struct {
        const char* bar;
        const char* window;
        const char* caption;
    } cases[] = {
        {"Image3", "nummatch", "Number Matching - Round"},
        {"Image4", "MissingNum", "Putting Numbers 1-10 In Order"},
        {"Image5", "Sequence", "Complete The Sequence"},
        {"Image7", "NumberPicking", "Picking Numbers!"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.click("main", c.bar);
        EXPECT_EQ(h.cues(), Names{"Chime.wav"}) << "only the chime before the window opens";
        EXPECT_EQ(h.platform.sounds.front(), "/opt/tallowby/Chime.wav") << "beside the program";
        Picture bar = h.form("main").picture(c.bar);
        for (int k = 1; k <= 70; ++k) {
            h.advance(kFastestTickMs);
            ASSERT_EQ(bar.left(), 1800 + 100 * k) << c.bar << " tick " << k;
            ASSERT_FALSE(h.loaded(c.window)) << c.bar << " tick " << k;
        }
        h.advance(kFastestTickMs);
        EXPECT_EQ(bar.left(), 1800) << c.bar;
        EXPECT_EQ(h.form("main").label("timelbl").caption(), "8");
        EXPECT_EQ(h.app.visibleFrontToBack(), (Names{c.window, "main"})) << c.bar;
        EXPECT_EQ(h.form(c.window).caption().rfind(c.caption, 0), 0u) << c.bar;
        EXPECT_EQ(h.clock.runningCount(), 0) << c.bar << ": the bar's timer is off";
        h.advance(5000);
        EXPECT_EQ(bar.left(), 1800) << "nothing more moves";
    }
}

TEST_F(Menu, ASecondClickDuringTheSlideChimesAgainAndChangesNothingElse) {
    h.click("main", "Image3");
    for (int k = 0; k < 10; ++k)
        tick();
    h.click("main", "Image3");
    EXPECT_EQ(h.cues(), (Names{"Chime.wav", "Chime.wav"}));
    EXPECT_EQ(left("Image3"), 2800);
    EXPECT_EQ(countdown(), "-2");
    for (int k = 11; k <= 70; ++k)
        tick();
    EXPECT_FALSE(h.loaded("nummatch"));
    tick();
    EXPECT_TRUE(h.visible("nummatch"));
    const Names cues = h.cues();
    EXPECT_EQ(std::count(cues.begin(), cues.end(), "Chime.wav"), 2) << "the slide chimes no more";
}

TEST_F(Menu, TwoBarsAtOnceShareTheCountdown) {
    h.click("main", "Image3"); // movetimer started first, so it ticks first
    tick();
    EXPECT_EQ(left("Image3"), 1900);
    h.click("main", "Image7");
    // From here the two timers tick alternately, each lowering the shared countdown.
    tick(); // Image3 ticks (countdown 6), Image7 started mid-period ticks right after
    EXPECT_EQ(left("Image3"), 2000);
    EXPECT_EQ(left("Image7"), 2100) << "Image7's first own tick already sees countdown 5";
    tick();
    EXPECT_EQ(left("Image3"), 2200) << "200 twips per own tick";
    EXPECT_EQ(left("Image7"), 2300);
    // The countdown reaches -63 on an Image7 tick: 71 decrements in all.
    int ticks = 5;
    while (!h.loaded("NumberPicking") && !h.loaded("nummatch")) {
        h.advance(1);
        ASSERT_LT(++ticks, 2000);
    }
    EXPECT_TRUE(h.visible("NumberPicking")) << "the later-started bar got the -63";
    EXPECT_FALSE(h.loaded("nummatch"));
    EXPECT_EQ(left("Image7"), 1800);
    EXPECT_EQ(countdown(), "8");
    // The other bar slides anew from 1900 and needs 71 ticks of its own.
    tick();
    EXPECT_EQ(left("Image3"), 1900);
    for (int k = 2; k <= 70; ++k)
        tick();
    EXPECT_FALSE(h.loaded("nummatch"));
    tick();
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"nummatch", "NumberPicking", "main"}));
    EXPECT_EQ(left("Image3"), 1800);
    EXPECT_EQ(h.clock.runningCount(), 0);
}

TEST_F(Menu, ChoosingAnOpenActivityAgainBringsItForwardUnchanged) {
    h.click("main", "Image4");
    h.advance(71 * kFastestTickMs);
    Form* first = &h.form("MissingNum");
    h.form("MissingNum").setCaption("played a while");
    h.app.activated("main");
    h.click("main", "Image4");
    h.advance(71 * kFastestTickMs);
    EXPECT_EQ(&h.form("MissingNum"), first) << "not reloaded";
    EXPECT_EQ(h.form("MissingNum").caption(), "played a while");
    EXPECT_EQ(h.app.visibleFrontToBack().front(), "MissingNum");
}

TEST_F(Menu, ExitOpensTheHomePageUnloadsEverythingAndEnds) {
    const struct {
        const char* name;
        std::function<void(Harness&)> before;
    } cases[] = {
        {"idle", [](Harness&) {}},
        {"during a slide",
         [](Harness& h) {
             h.click("main", "Image3");
             h.advance(30 * kFastestTickMs);
         }},
        {"with an activity, About and a hidden window",
         [](Harness& h) {
             h.click("main", "Image5");
             h.advance(71 * kFastestTickMs);
             h.click("main", "Image6");
             h.app.form("info3"); // touched, never shown
         }},
    };
    for (const auto& c : cases) {
        Harness h;
        c.before(h);
        h.click("main", "Image2");
        EXPECT_TRUE(h.app.ended()) << c.name;
        EXPECT_TRUE(h.app.loadedNames().empty()) << c.name;
        ASSERT_EQ(h.platform.addresses.size(), 1u) << c.name;
        EXPECT_EQ(h.platform.addresses[0].first, "main");
        EXPECT_EQ(h.platform.addresses[0].second, web::kMakerHomePage);
        h.advance(5000);
        EXPECT_TRUE(h.app.loadedNames().empty()) << c.name << ": no activity opens afterwards";
    }
}

TEST_F(Menu, ClosingTheMenuLeavesAnOpenActivityRunning) {
    h.click("main", "Image3");
    h.advance(71 * kFastestTickMs);
    h.closeBox("main");
    EXPECT_FALSE(h.app.ended());
    EXPECT_EQ(h.app.loadedNames(), Names{"nummatch"});
    h.closeBox("nummatch");
    EXPECT_TRUE(h.app.ended());
}

TEST_F(Menu, ClosingTheMenuMidSlideAbandonsTheSlide) {
    h.click("main", "Image6"); // About keeps the program alive
    h.click("main", "Image3");
    h.advance(20 * kFastestTickMs);
    h.closeBox("main");
    h.advance(5000);
    EXPECT_EQ(h.app.loadedNames(), Names{"About"});
}

TEST_F(Menu, ATouchOfAClosedMenuLoadsItAfresh) {
    h.click("main", "Image6");
    h.closeBox("main");
    Form& menu = h.app.form("main"); // as Number Picking does with savtxt
    EXPECT_FALSE(menu.visible());
    EXPECT_EQ(menu.label("timelbl").caption(), "8");
    EXPECT_EQ(menu.picture("Image3").left(), 1800);
    EXPECT_EQ(menu.picture("Image3").top(), 2880);
}

} // namespace
} // namespace tallowby::testing
