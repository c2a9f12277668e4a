// SPDX-License-Identifier: GPL-3.0-or-later
// Complete The Sequence as it opens, its six questions laid out, and the ways
// back to the menu between answers.
#include "sequence_play.h"

#include <stdexcept>

namespace tallowby::testing {
namespace {

struct SequenceWindow : ::testing::Test {
    Visit v;
    Harness& h = v.h;
};

TEST_F(SequenceWindow, OpensFromTheOrangeBarWithOneQuestionNoBannerAndFiveKeysLeft) {
    v.open();
    Form& f = v.game();
    EXPECT_EQ(f.caption(), "Complete The Sequence");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"Sequence", "main"}));
    EXPECT_NE(v.onScreen(), 0) << v.screen();
    EXPECT_EQ(v.keysLeft(), 5);
    EXPECT_EQ(h.platform.randomDraws, 1);
    EXPECT_FALSE(v.showsCorrect());
    EXPECT_FALSE(v.showsTryAgain());
    EXPECT_FALSE(f.timer("correcttimer").enabled());
    EXPECT_FALSE(f.timer("tryagaintimer").enabled());
    EXPECT_EQ(h.clock.runningCount(), 0);
    EXPECT_EQ(v.seconds(), "3");
    EXPECT_FALSE(f.label("Label1").visible());
    EXPECT_FALSE(f.label("Label3").visible());
    EXPECT_EQ(h.cues(), Names{"Chime.wav"}) << "the activity plays no sound";
    h.advance(10000);
    EXPECT_EQ(v.keysLeft(), 5) << "no question passes by itself";
}

TEST_F(SequenceWindow, OffersTheFourChoicesAndBackToMenuAndNothingElseToClick) {
    v.willAsk({3});
    v.open();
    const char* unreachable[] = {
        "big2",     "big4",       "big5",    "big6",    "big7",    "big9",        "bigdot1",
        "bigdot2",  "bigdot3",    "bigdot4", "bigdot5", "bigdot6", "bigdot7",     "bigdot8",
        "bigdot10", "correctimg", "timelbl", "Label1",  "Label3",  "tryagainimg",
    };
    for (const char* name : unreachable)
        EXPECT_THROW(h.reachablePoint("Sequence", name), std::logic_error) << name;
    for (const char* name : {"big1", "big10", "big3", "big8", "bigdot9", "Image2", "lblquestion", "Image3"})
        EXPECT_NO_THROW(h.reachablePoint("Sequence", name)) << name;
}

TEST(SequenceQuestions, EachKeyShowsItsTextItsQuantityTileAndItsFourChoicesInOrder) {
    for (const Asked& a : kAsked) {
        Visit v;
        v.willAsk({a.key});
        v.open();
        EXPECT_EQ(v.game().textField("picktxt").text(), std::to_string(a.key));
        EXPECT_EQ(v.screen(), screenOf(a)) << "key " << a.key;
    }
}

TEST(SequenceQuestions, TilesLeavingTheScreenAreHiddenWhereTheyStoodAndTilesStayingMove) {
    Visit v;
    v.willAsk({1, 6}); // 7 4 6 5 over five squares, then 3 4 7 5 over the same tile
    v.open();
    v.answerRight();
    v.h.advance(kBannerMs);
    ASSERT_EQ(v.onScreen(), 6);
    Picture six = v.game().picture("big6");
    EXPECT_FALSE(six.visible());
    EXPECT_EQ(six.left(), 4560);
    EXPECT_EQ(six.top(), kChoiceTop);
    EXPECT_EQ(v.game().picture("big7").left(), 4560) << "from place 1 to place 3";
    EXPECT_EQ(v.game().picture("big3").left(), 840) << "out of its parking";

    Visit w;
    w.willAsk({1, 2});
    w.open();
    w.answerWrong();
    w.h.advance(kBannerMs);
    ASSERT_EQ(w.onScreen(), 2);
    Picture five = w.game().picture("bigdot5");
    EXPECT_FALSE(five.visible());
    EXPECT_EQ(five.left(), kQuantityLeft);
    EXPECT_EQ(five.top(), kQuantityTop);
    EXPECT_FALSE(w.game().picture("big7").visible());
    EXPECT_EQ(w.game().picture("big7").left(), 840);
}

TEST_F(SequenceWindow, BackToMenuLosesTheQuestionsLeftAndReopeningStartsWithAFullDeck) {
    v.open();
    v.answerRight();
    h.advance(kBannerMs);
    ASSERT_EQ(v.keysLeft(), 4);
    h.click("Sequence", "Image2");
    EXPECT_FALSE(h.loaded("Sequence"));
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});

    v.open();
    EXPECT_EQ(v.keysLeft(), 5);
    EXPECT_NE(v.onScreen(), 0);
    EXPECT_EQ(h.platform.randomDraws, 3);
    EXPECT_FALSE(v.showsCorrect());
    EXPECT_EQ(v.seconds(), "3");
}

TEST_F(SequenceWindow, ChoosingItAgainFromTheMenuKeepsTheQuestionOnScreen) {
    v.open();
    const int key = v.onScreen();
    h.app.activated("main");
    v.open();
    EXPECT_EQ(h.app.visibleFrontToBack().front(), "Sequence");
    EXPECT_EQ(v.onScreen(), key);
    EXPECT_EQ(v.keysLeft(), 5);
    EXPECT_EQ(h.platform.randomDraws, 1) << "not loaded again";
}

TEST_F(SequenceWindow, TheHiddenOutcomeLabelsWouldOpenTheirOutcomeWindows) {
    const struct {
        const char* label;
        const char* window;
    } cases[] = {{"Label1", "info"}, {"Label3", "info2"}};
    for (const auto& c : cases) {
        Visit w;
        w.open();
        // Nothing in the game shows them; revealed here to reach their handlers.
        w.game().label(c.label).setVisible(true);
        w.h.click("Sequence", c.label);
        EXPECT_EQ(w.h.app.visibleFrontToBack(), (Names{c.window, "Sequence", "main"})) << c.label;
    }
}

} // namespace
} // namespace tallowby::testing
