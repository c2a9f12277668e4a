// SPDX-License-Identifier: GPL-3.0-or-later
// The level-end window: its two layouts, round 2 through "Next Level", the
// way back to the menu, and the windows closed or left open meanwhile.
#include "matching_play.h"

#include <stdexcept>

namespace tallowby::testing {
namespace {

struct LevelEnd : ::testing::Test {
    Player p;
    Harness& h = p.h;

    void endRoundOne() {
        p.open();
        p.playRound(kAllRight);
        ASSERT_TRUE(h.visible("levelup"));
    }
    void nextLevel() {
        h.click("levelup", "Image2");
        ASSERT_FALSE(h.loaded("levelup"));
    }
    Rect rect(const char* widget) {
        Form& f = p.levelEnd();
        return f.widgets()[f.indexOf(widget)].rect;
    }
};

TEST_F(LevelEnd, AfterRoundOneCongratulatesWithNextLevelAndBackToMenu) {
    endRoundOne();
    Form& f = p.levelEnd();
    EXPECT_EQ(f.caption(), "Level End");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"levelup", "nummatch", "main"}));
    EXPECT_EQ(rect("Image2"), (Rect{240, 1800, 2550, 585}));
    EXPECT_EQ(rect("Image4"), (Rect{4440, 120, 2550, 585}));
    EXPECT_TRUE(f.picture("Image1").visible());
    EXPECT_TRUE(f.parked(rect("completepic")));
    EXPECT_EQ(h.app.hitTest(f, 100, 100), f.indexOf("Image1")) << "the congratulations panel shows";
    EXPECT_NO_THROW(h.reachablePoint("levelup", "Image2"));
    EXPECT_NO_THROW(h.reachablePoint("levelup", "Image4"));
    EXPECT_EQ(p.played("Endlvl.wav"), 1);
    EXPECT_EQ(p.shownNumeral(), p.game().textField("picktxt").text()[0] - '0')
        << "the last question stays on screen";
}

TEST_F(LevelEnd, NextLevelStartsRoundTwoWithItsOwnTilesAndGreyLights) {
    p.open();
    p.playRound({true, false, true, false, false});
    nextLevel();
    Form& g = p.game();
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"nummatch", "main"}));
    EXPECT_EQ(g.caption(), "Number Matching - Round 2");
    EXPECT_EQ(g.textField("roundtxt").text(), "2");
    EXPECT_EQ(g.textField("clickedon").text(), "");
    EXPECT_EQ(p.lights(), (Names{"grey", "grey", "grey", "grey", "grey"}));
    EXPECT_EQ(p.count(), "4");
    const int asked = p.shownNumeral();
    EXPECT_EQ(g.textField("picktxt").text(), std::to_string(asked) + "r2");
    EXPECT_EQ(p.dotRow("b"), kRows[asked - 1]);
    for (const char* tile : {"dot1", "dot2", "dot3", "dot4", "dot5"}) {
        EXPECT_EQ(g.picture(tile).left(), 9000) << tile;
        EXPECT_THROW(h.click("nummatch", tile), std::logic_error) << tile << " cannot be clicked";
    }
    EXPECT_EQ(p.played("Endlvl.wav"), 1);
}

TEST_F(LevelEnd, RoundTwoQuestionsLayOutTheRowOfTheirNumeral) {
    for (int n = 1; n <= 5; ++n) {
        Player q;
        q.open();
        q.playRound(kAllRight);
        const int then = n % 5 + 1;
        q.willAsk({n, then});
        q.h.click("levelup", "Image2");
        EXPECT_EQ(q.shownNumeral(), n);
        EXPECT_EQ(q.dotRow("b"), kRows[n - 1]) << "first round-2 question " << n;
        EXPECT_EQ(q.dotRow(""), kNone);
        q.answerRight();
        EXPECT_EQ(q.shownNumeral(), then);
        EXPECT_EQ(q.dotRow("b"), kRows[then - 1]) << "later round-2 question " << then;
        EXPECT_EQ(q.dotRow(""), kNone) << "round-2 set-ups leave the round-1 tiles parked";
    }
}

TEST_F(LevelEnd, AfterRoundTwoShowsTheCompletionPanelWithBackToMenuOnly) {
    endRoundOne();
    nextLevel();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(p.count(), std::to_string(4 - k));
        k % 2 ? p.answerWrong() : p.answerRight();
    }
    EXPECT_EQ(p.count(), "0");
    EXPECT_EQ(p.played("correct.wav"), 5 + 3);
    ASSERT_TRUE(h.visible("levelup"));
    Form& f = p.levelEnd();
    EXPECT_EQ(f.textField("Previouslvltxt").text(), "2");
    EXPECT_EQ(rect("completepic"), (Rect{0, 0, 7230, 2535}));
    EXPECT_EQ(rect("Image4"), (Rect{240, 240, 2550, 585}));
    EXPECT_FALSE(f.picture("Image1").visible());
    EXPECT_FALSE(f.picture("Image2").visible());
    EXPECT_THROW(h.reachablePoint("levelup", "Image2"), std::logic_error);
    EXPECT_EQ(h.app.hitTest(f, 7000, 2000), f.indexOf("completepic"));
    EXPECT_EQ(p.played("Endlvl.wav"), 2) << "once per round end";
}

TEST_F(LevelEnd, BackToMenuAfterEitherRoundClosesBothAndTheActivityStartsAgainAtRoundOne) {
    for (int rounds = 1; rounds <= 2; ++rounds) {
        Player q;
        q.open();
        q.playRound(kAllWrong);
        if (rounds == 2) {
            q.h.click("levelup", "Image2");
            q.playRound(kAllWrong);
        }
        q.h.click("levelup", "Image4");
        EXPECT_EQ(q.h.app.loadedNames(), Names{"main"}) << rounds;
        EXPECT_EQ(q.h.app.visibleFrontToBack(), Names{"main"}) << rounds;
        q.open();
        EXPECT_EQ(q.game().caption(), "Number Matching - Round 1") << rounds;
        EXPECT_EQ(q.game().textField("roundtxt").text(), "1");
        EXPECT_EQ(q.lights(), (Names{"grey", "grey", "grey", "grey", "grey"}));
        EXPECT_EQ(q.count(), "4");
        EXPECT_EQ(q.dotRow("b"), kNone);
    }
}

TEST_F(LevelEnd, ADotTileClickedWhileItIsOpenJudgesTheLastQuestionAgainWithoutReloadingIt) {
    endRoundOne();
    const std::uint64_t id = p.levelEnd().id();
    const int last = p.shownNumeral();
    h.app.activated("nummatch"); // the child brings the game forward
    p.answerWrong();
    EXPECT_EQ(p.light(last), "red") << "judged anew";
    p.answerRight();
    EXPECT_EQ(p.light(last), "green");
    EXPECT_EQ(p.played("correct.wav"), 6);
    EXPECT_EQ(p.count(), "0");
    EXPECT_EQ(p.shownNumeral(), last);
    EXPECT_EQ(p.levelEnd().id(), id) << "not loaded again";
    EXPECT_EQ(p.played("Endlvl.wav"), 1) << "its set-up did not run again";
    EXPECT_EQ(h.app.visibleFrontToBack().front(), "levelup") << "shown again in front";
    EXPECT_EQ(h.platform.randomDraws, 5);
}

TEST_F(LevelEnd, ClosedByItsCloseBoxItComesBackWithTheNextDotTileClick) {
    endRoundOne();
    h.closeBox("levelup");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"nummatch", "main"}));
    EXPECT_EQ(p.game().list("Quelist").count(), 0);
    p.answerRight();
    ASSERT_TRUE(h.visible("levelup"));
    EXPECT_EQ(p.played("Endlvl.wav"), 2) << "loaded afresh, its set-up ran again";
    EXPECT_EQ(rect("Image2"), (Rect{240, 1800, 2550, 585}));
    nextLevel();
    EXPECT_EQ(p.game().textField("roundtxt").text(), "2");
}

TEST_F(LevelEnd, NextLevelAfterTheGameWasClosedPreparesRoundTwoInAHiddenWindow) {
    endRoundOne();
    h.click("nummatch", "Image2"); // the game's own "Back To Menu"
    EXPECT_FALSE(h.loaded("nummatch"));
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"levelup", "main"}));
    nextLevel();
    ASSERT_TRUE(h.loaded("nummatch"));
    EXPECT_FALSE(h.visible("nummatch"));
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
    EXPECT_EQ(p.played("startup.wav"), 2) << "loaded again by the touch";

    p.open();
    EXPECT_EQ(p.played("startup.wav"), 2) << "shown, not loaded again";
    EXPECT_EQ(p.game().caption(), "Number Matching - Round 2");
    EXPECT_EQ(p.game().textField("roundtxt").text(), "2");
    EXPECT_EQ(p.lights(), (Names{"grey", "grey", "grey", "grey", "grey"}));
    EXPECT_EQ(p.count(), "4");
    EXPECT_EQ(p.dotRow("b"), kRows[p.shownNumeral() - 1]);
    EXPECT_EQ(p.dotRow(""), kNone);
}

} // namespace
} // namespace tallowby::testing
