// SPDX-License-Identifier: GPL-3.0-or-later
// The game played to its ends with the keyboard alone: the menu, About, an
// outcome window, both Number Matching rounds, a full ordering board, five
// sequence questions and apples into the box.
#include "tests/activities/matching/matching_play.h"
#include "tests/activities/ordering/board.h"
#include "tests/activities/picking/tree.h"
#include "tests/activities/sequence/sequence_play.h"

#include <cmath>

namespace tallowby::testing {
namespace {

// The keys a child presses to reach and use a widget.
struct Keys {
    Harness& h;

    std::string focused(const std::string& form) {
        const int i = h.keyboard.focus(h.form(form)).widget;
        return i < 0 ? "" : h.form(form).widgets()[i].def->name;
    }
    // Tab until the widget has the focus; fails when Tab never gets there.
    void focusOn(const std::string& form, const std::string& widget) {
        for (int i = 0; i < 64 && focused(form) != widget; ++i)
            h.key(form, Key::Tab);
        ASSERT_EQ(focused(form), widget) << "Tab does not reach " << form << "." << widget;
    }
    void enter(const std::string& form, const std::string& widget) {
        focusOn(form, widget);
        h.key(form, Key::Enter);
    }
    // Picks the picture up with Space, walks it with the arrows (big steps,
    // then Shift for the last pixels) and puts it down with Space.
    void carry(const std::string& form, const std::string& widget, float toLeft, float toTop) {
        focusOn(form, widget);
        Picture p = h.form(form).picture(widget);
        h.key(form, Key::Space);
        walk(form, toLeft - p.left(), Key::Right, Key::Left);
        walk(form, toTop - p.top(), Key::Down, Key::Up);
        h.key(form, Key::Space);
    }
    void walk(const std::string& form, float by, Key forward, Key back) {
        const Key k = by >= 0 ? forward : back;
        const float distance = std::abs(by);
        const int big = static_cast<int>(distance / Keyboard::kStep);
        const int fine =
            static_cast<int>(std::lround((distance - big * Keyboard::kStep) / Keyboard::kFineStep));
        for (int i = 0; i < big; ++i)
            h.key(form, k);
        for (int i = 0; i < fine; ++i)
            h.key(form, k, true);
    }
};

TEST(KeyboardAlone, OpensAboutFollowsItsCreditsClosesItAndExits) {
    Harness h;
    Keys keys{h};
    keys.enter("main", "Image6");
    ASSERT_EQ(h.app.visibleFrontToBack().front(), "About");
    keys.enter("About", "Label1");
    keys.enter("About", "Label2");
    EXPECT_EQ(h.platform.addresses.size(), 2u);
    keys.enter("About", "Image2");
    EXPECT_FALSE(h.loaded("About"));
    keys.enter("main", "Image2");
    EXPECT_TRUE(h.app.ended());
    EXPECT_TRUE(h.app.faults().empty());
}

TEST(KeyboardAlone, ClosesAnOutcomeWindow) {
    Harness h;
    h.app.show("info3");
    Keys{h}.enter("info3", "Image2");
    EXPECT_FALSE(h.loaded("info3"));
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
}

TEST(KeyboardAlone, PlaysBothNumberMatchingRoundsAndGoesBackToTheMenu) {
    Player p;
    Keys keys{p.h};
    keys.enter("main", "Image3");
    p.h.advance(71 * kFastestTickMs);
    ASSERT_TRUE(p.h.visible("nummatch"));
    for (int q = 0; q < 5; ++q)
        keys.enter("nummatch", "dot" + std::to_string(p.shownNumeral()));
    EXPECT_EQ(p.lights(), (Names(5, "green")));
    ASSERT_EQ(p.h.app.visibleFrontToBack().front(), "levelup");
    keys.enter("levelup", "Image2"); // Next Level
    for (int q = 0; q < 5; ++q)
        keys.enter("nummatch", "dot" + std::to_string(p.shownNumeral()) + "b");
    EXPECT_EQ(p.lights(), (Names(5, "green")));
    keys.enter("levelup", "Image4"); // Back To Menu
    EXPECT_EQ(p.h.app.visibleFrontToBack(), Names{"main"});
}

TEST(KeyboardAlone, FillsTheOrderingBoardChecksItAndSeesTheWholeRow) {
    Play b;
    Keys keys{b.h};
    for (int n = 1; n <= 10; ++n)
        keys.carry("MissingNum", numeral(n).picture, insideSlot(n), kInBand);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(b.field(n), "1") << n;
    keys.enter("MissingNum", "Image12");
    EXPECT_EQ(b.score(), "10");
    b.h.advance(3000);
    EXPECT_EQ(b.answerRow(), "123456789X");
    EXPECT_EQ(b.count("dong.wav"), 10);
    EXPECT_TRUE(b.noFaults());
}

TEST(KeyboardAlone, AnswersFiveSequenceQuestionsUntilTheWindowClosesItself) {
    Visit v;
    Keys keys{v.h};
    keys.enter("main", "Image5");
    v.h.advance(71 * kFastestTickMs);
    for (int q = 0; q < 5; ++q) {
        ASSERT_TRUE(v.h.visible("Sequence")) << q;
        keys.enter("Sequence", "big" + std::to_string(asked(v.onScreen()).answer));
        EXPECT_TRUE(v.game().picture("correctimg").visible());
        // The banner covers the top of the tiles; the focus stays on the
        // part still in reach.
        EXPECT_NE(keys.focused("Sequence"), "");
        v.h.advance(3000);
    }
    EXPECT_FALSE(v.h.loaded("Sequence"));
    EXPECT_EQ(v.h.app.visibleFrontToBack(), Names{"main"});
}

TEST(KeyboardAlone, PutsThreeApplesInTheBoxChecksAndPlaysAgain) {
    Picking p(5);
    Keys keys{p.h};
    for (int k : {7, 2, 9}) {
        keys.carry("NumberPicking", p.apple(k), kInBox.left, kInBox.top);
        EXPECT_FALSE(p.applePicture(k).visible()) << k;
        // The apple in the box is gone from view, and so is the focus from it.
        EXPECT_NE(keys.focused("NumberPicking"), p.apple(k));
        EXPECT_NE(keys.focused("NumberPicking"), "");
    }
    EXPECT_EQ(p.counted(), "3");
    keys.enter("NumberPicking", "checkans");
    EXPECT_EQ(p.tree().label("endresultlbl").caption(), "3");
    EXPECT_EQ(p.tree().label("picktxtlbl").caption(), "5");
    keys.enter("NumberPicking", "Image6"); // Play Again
    EXPECT_EQ(p.counted(), "");
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(p.applePicture(k).visible()) << k;
    keys.enter("NumberPicking", "Image2"); // Back To Menu
    EXPECT_EQ(p.h.app.visibleFrontToBack(), Names{"main"});
    EXPECT_TRUE(p.noFaults());
}

TEST(KeyboardAlone, AWindowLoadedAfreshHasNoFocusUntilAKey) {
    Play b;
    Keys keys{b.h};
    keys.enter("MissingNum", "Image13"); // Start Over loads the board again
    EXPECT_EQ(keys.focused("MissingNum"), "");
    b.h.key("MissingNum", Key::Tab);
    EXPECT_NE(keys.focused("MissingNum"), "");
}

} // namespace
} // namespace tallowby::testing
