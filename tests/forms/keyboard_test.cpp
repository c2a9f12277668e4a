// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on a small window: which widgets take the focus and in what
// order, focus that follows the game, and keys turned into mouse events.
#include "activities/drag.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

// "pad" holds actable widgets in a shuffled table order, and some that must
// never take the focus: hidden, parked, covered, or without any handler.
std::vector<FormDef> padWindows(std::shared_ptr<Names> log) {
    FormDef pad = window("pad", "Pad", 6000, 4000);
    pad.widgets = {
        picture("cover", 3000, 2000, 600, 600, "cover.png"),
        picture("rowRight", 4000, 1000, 600, 600, "b.png"),
        label("note", 100, 3000, 1500, 300, "a note"),
        picture("rowLeft", 500, 1000, 600, 600, "a.png"),
        picture("hiddenOne", 200, 200, 600, 600, "h.png"),
        picture("parkedOne", 6000, 200, 600, 600, "p.png"),
        picture("covered", 3000, 2000, 600, 600, "c.png"),
        picture("top", 2000, 100, 600, 600, "t.png"),
        picture("inert", 2000, 3000, 600, 600, "i.png"),
        picture("apple", 1000, 2000, 600, 600, "apple.png"),
        picture("ground", 0, 0, 6000, 4000, "ground.png"),
    };
    pad.onLoad([](Forms& app) { app.form("pad").picture("hiddenOne").setVisible(false); });
    for (const char* name : {"rowRight", "note", "rowLeft", "hiddenOne", "parkedOne", "covered", "top"}) {
        std::string n = name;
        pad.onClick(n, [log, n](Forms&) { log->push_back(n + " click"); });
    }
    auto at = [](const char* what, std::shared_ptr<Names> log) {
        return [what, log](Forms&, const MouseArgs& e) {
            log->push_back(std::string(what) + " " + std::to_string(e.button) + " " +
                           std::to_string(static_cast<int>(e.x)) + "," +
                           std::to_string(static_cast<int>(e.y)));
        };
    };
    pad.onMouseDown("top", at("top down", log));
    pad.onMouseUp("top", at("top up", log));
    pad.onMouseDown("apple", [](Forms& app, const MouseArgs& e) { drag_MouseDown(app.form("pad"), e); });
    pad.onMouseMove("apple", [](Forms& app, const MouseArgs& e) {
        Form& f = app.form("pad");
        drag_MouseMove(f, f.picture("apple"), e);
    });
    pad.onMouseUp("apple", [log](Forms& app, const MouseArgs&) {
        Picture apple = app.form("pad").picture("apple");
        log->push_back("apple dropped at " + std::to_string(static_cast<int>(apple.left())) + "," +
                       std::to_string(static_cast<int>(apple.top())));
    });
    return {pad};
}

struct KeyboardPlay : ::testing::Test, FormsObserver {
    std::shared_ptr<Names> log = std::make_shared<Names>();
    Harness h{padWindows(log)};
    void SetUp() override { h.app.start("pad"); }
    Form& pad() { return h.form("pad"); }
    std::string focused() {
        const FocusView v = h.keyboard.focus(pad());
        return v.widget < 0 ? "" : pad().widgets()[v.widget].def->name;
    }
    Names order() {
        Names names;
        for (int i : h.keyboard.focusOrder(pad()))
            names.push_back(pad().widgets()[i].def->name);
        return names;
    }
};

TEST_F(KeyboardPlay, OnlyShownReachableWidgetsWithAHandlerTakeTheFocusTopToBottomThenLeftToRight) {
    EXPECT_EQ(order(), (Names{"top", "rowLeft", "rowRight", "apple", "note"}));
}

TEST_F(KeyboardPlay, TabShiftTabAndArrowsWalkTheOrderRoundAndRound) {
    const struct {
        Key key;
        bool shift;
        const char* expect;
    } steps[] = {
        {Key::Tab, false, "top"},    {Key::Tab, false, "rowLeft"}, {Key::Right, false, "rowRight"},
        {Key::Down, false, "apple"}, {Key::Tab, false, "note"},    {Key::Tab, false, "top"},
        {Key::Tab, true, "note"},    {Key::Up, false, "apple"},    {Key::Left, false, "rowRight"},
        {Key::Tab, true, "rowLeft"},
    };
    for (const auto& s : steps) {
        h.key("pad", s.key, s.shift);
        EXPECT_EQ(focused(), s.expect);
    }
    EXPECT_TRUE(log->empty()) << "moving the focus acts on nothing";
}

TEST_F(KeyboardPlay, ShiftTabFirstGoesToTheLastWidget) {
    h.key("pad", Key::Tab, true);
    EXPECT_EQ(focused(), "note");
}

TEST_F(KeyboardPlay, EnterAndSpaceClickAtTheWidgetsReachablePointThroughTheNormalDispatch) {
    for (Key k : {Key::Enter, Key::Space}) {
        log->clear();
        h.key("pad", Key::Tab);
        while (focused() != "top")
            h.key("pad", Key::Tab);
        h.key("pad", k);
        // The centre of "top", 300 twips into it: the same events as a mouse click there.
        EXPECT_EQ(*log, (Names{"top down 1 300,300", "top up 1 300,300", "top click"}));
    }
}

TEST_F(KeyboardPlay, TheFirstEnterOnlyShowsTheFocus) {
    h.key("pad", Key::Enter);
    EXPECT_EQ(focused(), "top");
    EXPECT_TRUE(log->empty());
}

TEST_F(KeyboardPlay, AHeldPictureFollowsTheArrowsAndIsDroppedBySpaceOrEnter) {
    for (Key drop : {Key::Space, Key::Enter}) {
        Picture apple = pad().picture("apple");
        apple.move(1000, 2000);
        while (focused() != "apple")
            h.key("pad", Key::Tab);
        h.key("pad", Key::Space);
        EXPECT_TRUE(h.keyboard.holding());
        h.key("pad", Key::Right);
        h.key("pad", Key::Right);
        h.key("pad", Key::Down, true);
        h.key("pad", Key::Tab);
        EXPECT_EQ(focused(), "apple") << "Tab does nothing while a picture is held";
        EXPECT_EQ(apple.left(), 1000 + 2 * Keyboard::kStep);
        EXPECT_EQ(apple.top(), 2000 + Keyboard::kFineStep);
        log->clear();
        h.key("pad", drop);
        EXPECT_FALSE(h.keyboard.holding());
        EXPECT_EQ(*log, (Names{"apple dropped at 1450,2015"}));
    }
}

TEST_F(KeyboardPlay, AHeldPictureKeepsTheFocusBehindOthersAndThePointerStaysInTheWindow) {
    while (focused() != "apple")
        h.key("pad", Key::Tab);
    h.key("pad", Key::Space);
    // Under "cover" the apple cannot be reached, but it is held.
    for (int i = 0; i < 9; ++i)
        h.key("pad", Key::Right);
    EXPECT_EQ(focused(), "apple");
    for (int i = 0; i < 40; ++i)
        h.key("pad", Key::Right);
    // The grab point, the apple's centre, stops at the right edge.
    EXPECT_EQ(pad().picture("apple").left(), 6000 - 1 - 300);
    h.key("pad", Key::Space);
    EXPECT_NO_THROW(h.reachablePoint("pad", "apple"));
}

TEST_F(KeyboardPlay, FocusMovesOnWhenTheGameHidesParksOrCoversItsWidget) {
    const struct {
        const char* what;
        void (*change)(Form&);
    } changes[] = {
        {"hidden", [](Form& f) { f.picture("rowLeft").setVisible(false); }},
        {"parked", [](Form& f) { f.picture("rowLeft").move(9000, 1000); }},
        {"covered", [](Form& f) { f.picture("cover").move(500, 1000); }},
    };
    for (const auto& c : changes) {
        auto windowLog = std::make_shared<Names>();
        Harness fresh{padWindows(windowLog)};
        fresh.app.start("pad");
        Form& f = fresh.form("pad");
        fresh.key("pad", Key::Tab);
        fresh.key("pad", Key::Tab);
        ASSERT_EQ(fresh.keyboard.focus(f).widget, f.indexOf("rowLeft"));
        c.change(f);
        fresh.move("pad", 10, 10, kNoButton); // the focus settles after any outside event
        EXPECT_EQ(fresh.keyboard.focus(f).widget, f.indexOf("rowRight")) << c.what;
    }
}

TEST_F(KeyboardPlay, AWidgetSlidPartlyPastTheEdgeKeepsTheFocusThroughItsPartInside) {
    while (focused() != "rowRight")
        h.key("pad", Key::Tab);
    pad().picture("rowRight").move(5990, 1000); // 10 twips still inside
    h.move("pad", 10, 10, kNoButton);
    EXPECT_EQ(focused(), "rowRight");
    log->clear();
    h.key("pad", Key::Enter);
    EXPECT_EQ(*log, (Names{"rowRight click"}));
}

TEST_F(KeyboardPlay, TheRingShowsOnlyOnceAKeyIsPressedAndTheMouseHidesItAgain) {
    EXPECT_EQ(h.keyboard.focus(pad()).ring, std::nullopt);
    h.key("pad", Key::Tab);
    ASSERT_TRUE(h.keyboard.focus(pad()).ring);
    EXPECT_EQ(*h.keyboard.focus(pad()).ring, (Rect{2000, 100, 600, 600}));
    h.keyboard.mouseUsed();
    EXPECT_EQ(h.keyboard.focus(pad()).ring, std::nullopt);
    EXPECT_EQ(focused(), "top") << "the focus itself stays";
}

TEST_F(KeyboardPlay, APressActionClicksAWidgetOfTheOrderAndMovesTheFocusThere) {
    h.keyboard.press("pad", pad().indexOf("rowRight"));
    EXPECT_EQ(*log, (Names{"rowRight click"}));
    EXPECT_EQ(focused(), "rowRight");
    for (const char* never : {"covered", "hiddenOne", "inert"})
        h.keyboard.press("pad", pad().indexOf(never));
    EXPECT_EQ(*log, (Names{"rowRight click"})) << "only what a child could click";
}

TEST_F(KeyboardPlay, TheMouseGoingDownLetsAHeldPictureGoWhereItIs) {
    while (focused() != "apple")
        h.key("pad", Key::Tab);
    h.key("pad", Key::Space);
    h.key("pad", Key::Up);
    log->clear();
    h.keyboard.mouseUsed();
    EXPECT_FALSE(h.keyboard.holding());
    EXPECT_EQ(*log, (Names{"apple dropped at 1000,1775"}));
}

} // namespace
} // namespace tallowby::testing
