// SPDX-License-Identifier: GPL-3.0-or-later
// Check My Answer shows the count beside the trunk number without judging
// it; Play Again starts a new question by loading the window afresh; the
// results window that nothing opens.
#include "activities/deck.h"
#include "tree.h"

namespace tallowby::testing {
namespace {

struct CheckingApples : Tree {};

std::string panelFor(int apples, int number) {
    return "Results: | " + std::to_string(apples) + " apples out of " + std::to_string(number) +
           " | apples picked.";
}

TEST(CheckingApplesTable, ThePanelShowsTheCountOutOfTheTrunkNumberAndJudgesNothing) {
    const struct {
        const char* name;
        int number;
        std::vector<int> boxed;
        std::vector<int> lying;
    } cases[] = {
        {"before any apple moved", 5, {}, {}},
        {"an apple let go outside only", 2, {}, {6}},
        {"three apples for five", 5, {1, 4, 8}, {}},
        {"just the number", 3, {2, 5, 10}, {7}},
        {"more apples than the number", 4, {1, 2, 3, 4, 5, 6, 7}, {}},
        {"all ten for one", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}},
        {"all ten for ten", 10, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, {}},
    };
    for (const auto& c : cases) {
        Picking p(c.number);
        for (int k : c.boxed)
            p.intoBox(k);
        for (int k : c.lying)
            p.drop(k, kOnGrass);
        const std::string before = p.treeApples() + p.crate() + p.counted();
        const Names cues = p.h.cues();
        p.check();
        SCOPED_TRACE(c.name);
        const int apples = static_cast<int>(c.boxed.size());
        EXPECT_EQ(p.panel(), panelFor(apples, c.number));
        EXPECT_EQ(p.fields().find('_'), std::string::npos) << "every field reads 0 or 1 now";
        EXPECT_EQ(p.treeApples() + p.crate() + p.counted(), before) << "the apples stay in play";
        EXPECT_EQ(p.h.cues(), cues) << "no sound: the check does not judge";
        EXPECT_EQ(p.trunkNumber(), c.number);
        EXPECT_TRUE(p.noFaults());
    }
}

TEST_F(CheckingApples, ACheckBeforeAnyReleaseLeavesTheCountFieldAlone) {
    check();
    EXPECT_EQ(fields(), "0000000000");
    EXPECT_EQ(counted(), "") << "only a release writes the count";
    // The next release starts from those zeros.
    intoBox(6);
    EXPECT_EQ(fields(), "0000010000");
    EXPECT_EQ(counted(), "1");
}

TEST_F(CheckingApples, ThePanelKeepsTheLastCheckedCountUntilTheNextCheck) {
    const int number = trunkNumber();
    intoBox(3);
    check();
    EXPECT_EQ(panel(), panelFor(1, number));
    intoBox(9);
    intoBox(1);
    EXPECT_EQ(counted(), "3");
    EXPECT_EQ(crate(), "ooo.......");
    EXPECT_EQ(panel(), panelFor(1, number)) << "not refreshed by a release";
    check();
    EXPECT_EQ(panel(), panelFor(3, number));
    check();
    EXPECT_EQ(panel(), panelFor(3, number));
}

struct PlayingAgain : Tree {};

TEST_F(PlayingAgain, AfterACheckANewQuestionStartsWithTheTreeFullAndNoPanel) {
    willDraw(7); // for the reopened window's full deck
    intoBox(2);
    intoBox(5);
    drop(8, kOnGrass);
    check();
    const Names cues = h.cues();
    playAgain();
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"NumberPicking", "main"}));
    EXPECT_EQ(trunkNumber(), 7);
    EXPECT_EQ(deck(), (Names{"1", "2", "3", "4", "5", "6", "8", "9", "10"}));
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(placeOf(k), appleNames(k).home) << "apple " << k;
    EXPECT_EQ(treeApples(), "oooooooooo");
    EXPECT_EQ(crate(), "..........");
    EXPECT_EQ(fields(), "__________");
    EXPECT_EQ(counted(), "");
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(tree().label("endresultlbl").caption(), "");
    EXPECT_EQ(h.cues(), cues) << "silently";
    EXPECT_EQ(h.platform.randomDraws, 2);
}

TEST(PlayingAgainRun, EachNewQuestionTakesTheNextRandomValueAndMayRepeatTheNumber) {
    // Scripted: the same number twice in a row.
    Picking same(4);
    same.check();
    same.willDraw(4);
    same.playAgain();
    EXPECT_EQ(same.trunkNumber(), 4);
    EXPECT_TRUE(same.noFaults());

    // Unscripted: the program's own generator goes on across the reloads,
    // each from a full deck of ten.
    Picking run;
    RandomSource replay;
    for (int question = 1; question <= 12; ++question) {
        if (question > 1) {
            run.check();
            run.playAgain();
        }
        EXPECT_EQ(run.trunkNumber(), deckIndex(replay.next(), 10) + 1) << "question " << question;
        EXPECT_EQ(run.deck().size(), 9u);
    }
    EXPECT_EQ(run.h.platform.randomDraws, 12);
    EXPECT_TRUE(run.noFaults());
}

TEST(PlayingAgainRun, NoKeyIsCarriedOverToTheMenuWhateverNumberWasDrawn) {
    for (int n : {1, 9, 10}) {
        Picking p(n);
        p.intoBox(1);
        p.check();
        p.playAgain();
        EXPECT_EQ(p.h.form("main").textField("savtxt").text(), "") << n;
        EXPECT_EQ(p.deck().size(), 9u) << n << ": the fresh deck keeps the nine keys its own draw left";
        EXPECT_TRUE(p.noFaults()) << n;
    }
}

TEST(PickingResultsWindow, BelongsToTheWindowSetButNothingInPlayOpensIt) {
    Picking p;
    const FormDef* def = p.h.app.definition("numpickresult");
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->caption, "Results");
    EXPECT_EQ(def->width, 7215);
    EXPECT_EQ(def->height, 2490);
    for (int k = 1; k <= 10; ++k)
        p.intoBox(k);
    p.check();
    p.playAgain();
    p.check();
    p.h.click("NumberPicking", "Image2");
    EXPECT_FALSE(p.h.loaded("numpickresult"));
}

TEST(PickingResultsWindow, ItsButtonsActOnTheTreeAndLeaveItOpen) {
    Picking p(3);
    p.intoBox(2);
    p.h.app.show("numpickresult");
    Form& results = p.h.form("numpickresult");
    EXPECT_EQ(results.label("Label1").caption(),
              "You have gone through all of the questions for the activity. Press the PLAY AGAIN button to "
              "start over, or press the BACK TO MENU button to return to the main menu.");
    p.willDraw(8);
    p.h.click("numpickresult", "Image2"); // Play Again
    EXPECT_EQ(p.trunkNumber(), 8);
    EXPECT_EQ(p.crate(), "..........");
    EXPECT_EQ(p.h.app.visibleFrontToBack(), (Names{"NumberPicking", "numpickresult", "main"}));
    p.h.click("numpickresult", "Image3"); // Back To Menu
    EXPECT_FALSE(p.h.loaded("NumberPicking"));
    EXPECT_EQ(p.h.app.visibleFrontToBack(), (Names{"numpickresult", "main"}));
    // With the tree closed, Play Again opens it.
    p.h.click("numpickresult", "Image2");
    EXPECT_EQ(p.h.app.visibleFrontToBack().front(), "NumberPicking");
    EXPECT_EQ(p.treeApples(), "oooooooooo");
    EXPECT_TRUE(p.noFaults());
}

} // namespace
} // namespace tallowby::testing
