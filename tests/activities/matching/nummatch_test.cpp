// SPDX-License-Identifier: GPL-3.0-or-later
// Number Matching round 1 as the child plays it: the opening, the questions
// with their dot rows, the answers with their lights and the count.
#include "matching_play.h"

#include <set>
#include <stdexcept>

namespace tallowby::testing {
namespace {

struct NumberMatching : ::testing::Test {
    Player p;
    Harness& h = p.h;
};

TEST_F(NumberMatching, OpensOnRoundOneWithOneQuestionGreyLightsAndFourLeft) {
    p.open();
    Form& f = p.game();
    EXPECT_EQ(f.caption(), "Number Matching - Round 1");
    EXPECT_EQ(h.cues(), (Names{"Chime.wav", "startup.wav"}));
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"nummatch", "main"}));
    EXPECT_EQ(p.lights(), (Names{"grey", "grey", "grey", "grey", "grey"}));
    EXPECT_EQ(p.count(), "4");
    EXPECT_EQ(f.textField("roundtxt").text(), "1");
    EXPECT_EQ(f.textField("clickedon").text(), "");
    EXPECT_EQ(f.list("Quelist").count(), 4);
    const int asked = p.shownNumeral();
    EXPECT_EQ(f.textField("picktxt").text(), std::to_string(asked));
    Row row = p.dotRow("");
    std::sort(row.begin(), row.end());
    EXPECT_EQ(row, (Row{1, 2, 3, 4, 5})) << "all five round-1 tiles in the row";
    EXPECT_EQ(p.dotRow("b"), kNone);
    EXPECT_FALSE(h.loaded("levelup"));
    EXPECT_EQ(h.platform.randomDraws, 1);
}

TEST_F(NumberMatching, OffersNothingButTheRoundOneTilesAndBackToMenu) {
    p.open();
    const char* unreachable[] = {
        "dot1b", "dot2b", "dot3b", "dot4b",  "dot5b",  "Label4", "Label9", "oneb",   "twob",   "threeb",
        "fourb", "fiveb", "sixb",  "sevenb", "eightb", "nineb",  "tenb",   "onea",   "twoa",   "threea",
        "foura", "fivea", "sixa",  "sevena", "eighta", "ninea",  "tena",   "right1", "wrong1", "right5",
    };
    for (const char* name : unreachable)
        EXPECT_THROW(h.reachablePoint("nummatch", name), std::logic_error) << name;
    for (const char* name : {"dot1", "dot2", "dot3", "dot4", "dot5", "Image2"})
        EXPECT_NO_THROW(h.reachablePoint("nummatch", name)) << name;
}

TEST_F(NumberMatching, TheFirstQuestionUsesTheStartRowThatMovesTheFourToTheEnd) {
    for (int n = 1; n <= 5; ++n) {
        Player q;
        q.willAsk({n});
        q.open();
        EXPECT_EQ(q.shownNumeral(), n);
        const Row expected = n == 4 ? Row{5, 1, 3, 2, 4} : kRows[n - 1];
        EXPECT_EQ(q.dotRow(""), expected) << "first question " << n;
    }
}

TEST_F(NumberMatching, EachLaterQuestionLaysOutTheRowOfItsNumeral) {
    for (int n = 1; n <= 5; ++n) {
        Player q;
        q.willAsk({n == 5 ? 1 : 5, n});
        q.open();
        q.answerRight();
        EXPECT_EQ(q.shownNumeral(), n);
        EXPECT_EQ(q.dotRow(""), kRows[n - 1]) << "numeral " << n;
        EXPECT_EQ(q.dotRow("b"), kNone) << "round-2 tiles stay parked";
    }
}

TEST_F(NumberMatching, TwoFreshRunsAskTheSameFirstQuestion) {
    Player other;
    p.open();
    other.open();
    EXPECT_EQ(p.shownNumeral(), other.shownNumeral());
    EXPECT_EQ(p.dotRow(""), other.dotRow(""));
}

TEST_F(NumberMatching, AWholeRoundRightTurnsEveryLightGreenAndEndsTheLevel) {
    p.open();
    std::set<int> asked;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(p.count(), std::to_string(4 - k)) << "before answer " << k + 1;
        asked.insert(p.shownNumeral());
        EXPECT_FALSE(h.loaded("levelup")) << "before answer " << k + 1;
        p.answerRight();
        EXPECT_EQ(p.game().textField("roundtxt").text(), "1");
    }
    EXPECT_EQ(asked.size(), 5u) << "each numeral once";
    EXPECT_EQ(p.lights(), (Names{"green", "green", "green", "green", "green"}));
    EXPECT_EQ(p.count(), "0");
    EXPECT_EQ(p.played("correct.wav"), 5);
    EXPECT_EQ(p.played("Endlvl.wav"), 1);
    EXPECT_EQ(h.cues().back(), "Endlvl.wav");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"levelup", "nummatch", "main"}));
    EXPECT_EQ(p.levelEnd().textField("Previouslvltxt").text(), "1");
    EXPECT_EQ(h.platform.randomDraws, 5) << "no draw from the empty deck";
}

TEST_F(NumberMatching, AWholeRoundWrongLightsFiveRedLampsAndStillEndsTheLevel) {
    p.open();
    p.playRound(kAllWrong);
    EXPECT_EQ(p.lights(), (Names{"red", "red", "red", "red", "red"}));
    EXPECT_EQ(p.played("correct.wav"), 0);
    EXPECT_EQ(p.count(), "0");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"levelup", "nummatch", "main"}));
}

TEST_F(NumberMatching, AnAnswerChangesTheLightOfTheNumeralAskedOnlyAndMovesOn) {
    const struct {
        int asked;
        int clicked;
        Names lights;
    } cases[] = {
        {3, 3, {"grey", "grey", "green", "grey", "grey"}}, {3, 2, {"grey", "grey", "red", "grey", "grey"}},
        {1, 5, {"red", "grey", "grey", "grey", "grey"}},   {5, 1, {"grey", "grey", "grey", "grey", "red"}},
        {4, 4, {"grey", "grey", "grey", "green", "grey"}},
    };
    for (const auto& c : cases) {
        Player q;
        q.willAsk({c.asked});
        q.open();
        q.clickTile(c.clicked);
        EXPECT_EQ(q.lights(), c.lights) << c.asked << " answered with " << c.clicked;
        EXPECT_EQ(q.played("correct.wav"), c.asked == c.clicked ? 1 : 0) << c.asked << "/" << c.clicked;
        EXPECT_EQ(q.game().textField("clickedon").text(), std::to_string(c.clicked));
        EXPECT_NE(q.shownNumeral(), c.asked) << "the next question shows at once";
        EXPECT_EQ(q.count(), "3");
    }
}

TEST_F(NumberMatching, TheLightsFollowTheNumeralsNotTheOrderOfTheQuestions) {
    p.willAsk({2, 5, 1, 4, 3});
    p.open();
    p.playRound({true, false, true, false, true});
    EXPECT_EQ(p.lights(), (Names{"green", "green", "green", "red", "red"}));
}

TEST_F(NumberMatching, BackToMenuMidRoundLosesTheRoundAndReopeningStartsAfreshWithTheNextValue) {
    p.open();
    p.answerRight();
    p.answerWrong();
    h.click("nummatch", "Image2");
    EXPECT_FALSE(h.loaded("nummatch"));
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});

    RandomSource fresh;
    for (int k = 0; k < 3; ++k)
        fresh.next();
    const int next = static_cast<int>(fresh.next() * 5.0f) + 1;
    p.open();
    EXPECT_EQ(h.platform.randomDraws, 4);
    EXPECT_EQ(p.shownNumeral(), next);
    EXPECT_EQ(p.game().caption(), "Number Matching - Round 1");
    EXPECT_EQ(p.lights(), (Names{"grey", "grey", "grey", "grey", "grey"}));
    EXPECT_EQ(p.count(), "4");
    EXPECT_EQ(p.played("startup.wav"), 2);
}

TEST_F(NumberMatching, ChoosingItAgainFromTheMenuContinuesTheRound) {
    p.open();
    p.answerWrong();
    const Names lights = p.lights();
    const int asked = p.shownNumeral();
    h.app.activated("main");
    p.open();
    EXPECT_EQ(p.lights(), lights);
    EXPECT_EQ(p.shownNumeral(), asked);
    EXPECT_EQ(p.count(), "3");
    EXPECT_EQ(p.played("startup.wav"), 1);
}

} // namespace
} // namespace tallowby::testing
