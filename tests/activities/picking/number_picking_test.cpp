// SPDX-License-Identifier: GPL-3.0-or-later
// The apple tree as it opens, its trunk numeral, its stacking, Redeploy
// Apples, the N3 label and the ways back to the menu.
#include "app/forms/number_text.h"
#include "tree.h"

namespace tallowby::testing {
namespace {

struct AppleTree : Tree {};

void expectFreshTree(Picking& p) {
    Form& f = p.tree();
    EXPECT_EQ(f.caption(), "Picking Numbers!");
    EXPECT_EQ(f.width(), 8820);
    EXPECT_EQ(f.height(), 9150);
    const int number = p.trunkNumber();
    EXPECT_EQ(f.textField("picktxt").text(), numberText(number));
    Names rest;
    for (int n = 1; n <= 10; ++n)
        if (n != number) rest.push_back(numberText(n));
    EXPECT_EQ(p.deck(), rest) << "the nine keys not drawn, in order";
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(p.placeOf(k), appleNames(k).home) << "apple " << k;
        EXPECT_NO_THROW(p.h.reachablePoint("NumberPicking", Picking::apple(k))) << "apple " << k;
    }
    EXPECT_EQ(p.treeApples(), "oooooooooo");
    EXPECT_EQ(p.crate(), "..........");
    EXPECT_EQ(p.fields(), "__________");
    EXPECT_EQ(p.counted(), "");
    EXPECT_EQ(p.panel(), "");
    EXPECT_EQ(f.label("endresultlbl").caption(), "");
    EXPECT_EQ(f.label("picktxtlbl").caption(), "");
    EXPECT_FALSE(f.label("Label2").visible()) << "the N3 label is not offered";
}

TEST_F(AppleTree, OpensFromTheMenuWithTenApplesAnEmptyCrateAndOneNumberOnTheTrunk) {
    expectFreshTree(*this);
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"NumberPicking", "main"}));
    EXPECT_EQ(h.cues(), Names{"Chime.wav"}) << "the tree opens silently";
    EXPECT_EQ(h.platform.randomDraws, 1);
    EXPECT_EQ(h.app.loadedNames(), (Names{"main", "NumberPicking"})) << "the results window stays closed";
}

TEST(AppleTreeTrunk, EachDrawnKeyShowsItsOwnNumeralOnTheTrunk) {
    for (int n = 1; n <= 10; ++n) {
        Picking p(n);
        EXPECT_EQ(p.trunkNumber(), n);
        EXPECT_EQ(p.tree().textField("picktxt").text(), numberText(n));
        EXPECT_EQ(p.deck().size(), 9u) << n;
        EXPECT_TRUE(p.noFaults()) << n;
    }
}

TEST_F(AppleTree, ApplesStandBetweenTheFirstCrateAppleAndTheOthersAndBehindPlayAgain) {
    intoBox(3);
    intoBox(4);
    check(); // crate apples 1 and 2 show, and Play Again
    Form& f = tree();
    auto [x, y] = h.reachablePoint("NumberPicking", apple(5));
    const float grabX = x - 4320, grabY = y - 2640;
    h.press("NumberPicking", x, y);
    const struct {
        const char* over;
        Place corner; // where the dragged apple's corner is taken
        Place probe;  // a point inside both the apple and the widget
        const char* front;
    } path[] = {
        {"crate apple 1", {360, 6840}, {600, 7100}, "apple5"},
        {"crate apple 2", {1320, 6840}, {1560, 7100}, "token2"},
        {"the empty crate", {2280, 6840}, {2500, 7100}, "apple5"},
        {"Play Again", {5600, 8200}, {5800, 8400}, "Image6"},
        {"Check My Answer", {5300, 6300}, {5500, 6500}, "apple5"},
        {"Back To Menu", {6300, 5200}, {6500, 5400}, "apple5"},
        {"the results panel", {5280, 6960}, {5400, 7200}, "apple5"},
        {"the trunk numeral", {3800, 4450}, {4000, 4600}, "apple5"},
        {"the box", {3700, 5400}, {3900, 5600}, "apple5"},
        {"another apple", {5280, 2520}, {5500, 2700}, "apple5"}, // apple1 stands behind apple5
    };
    for (const auto& step : path) {
        h.move("NumberPicking", step.corner.left + grabX, step.corner.top + grabY);
        ASSERT_EQ(placeOf(5), step.corner) << step.over;
        EXPECT_EQ(h.app.hitTest(f, step.probe.left, step.probe.top), f.indexOf(step.front)) << step.over;
    }
    h.release("NumberPicking", 5300 + grabX, 2000 + grabY);
}

TEST_F(AppleTree, ChoosingItAgainFromTheMenuChangesNothing) {
    const int number = trunkNumber();
    intoBox(2);
    intoBox(8);
    drop(6, kOnGrass);
    check();
    const std::string before = fields() + crate() + treeApples() + panel();
    const Names keys = deck();
    h.app.activated("main");
    h.click("main", "Image7");
    h.advance(71 * kFastestTickMs);
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"NumberPicking", "main"}));
    EXPECT_EQ(trunkNumber(), number);
    EXPECT_EQ(fields() + crate() + treeApples() + panel(), before);
    EXPECT_EQ(placeOf(6), kOnGrass);
    EXPECT_EQ(deck(), keys);
    EXPECT_EQ(h.platform.randomDraws, 1) << "nothing drawn";
}

TEST_F(AppleTree, RedeployApplesSendsLyingApplesHomeAndLeavesBoxedOnesCounted) {
    intoBox(1);
    intoBox(9);
    drop(4, kOnGrass);
    drop(7, {8000, 8500}); // on the bar, by the edge
    check();
    const std::string before = fields() + counted() + crate() + panel();
    ASSERT_EQ(before, "1000000010"
                      "2"
                      "oo........"
                      "Results: | 2 apples out of " +
                          numberText(trunkNumber()) + " | apples picked.");
    redeploy();
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(placeOf(k), appleNames(k).home) << "apple " << k;
    EXPECT_EQ(treeApples(), ".ooooooo.o") << "the boxed apples went home unseen";
    EXPECT_EQ(fields() + counted() + crate() + panel(), before);
    // Only a fresh load shows them again.
    playAgain();
    EXPECT_EQ(treeApples(), "oooooooooo");
}

TEST_F(AppleTree, TheN3LabelIsHiddenAndItsHandlerShowsTheOutcomeWindow) {
    EXPECT_THROW(h.reachablePoint("NumberPicking", "Label2"), std::logic_error);
    h.app.definition("NumberPicking")->find("Label2")->click(h.app);
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"info3", "NumberPicking", "main"}));
}

TEST_F(AppleTree, BackToMenuClosesOnlyTheTreeAndTheNextOpeningDrawsAfresh) {
    intoBox(5);
    drop(3, kOnGrass);
    check();
    h.click("NumberPicking", "Image2");
    EXPECT_FALSE(h.loaded("NumberPicking"));
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
    EXPECT_EQ(h.form("main").textField("savtxt").text(), "") << "no key is carried over";
    EXPECT_FALSE(h.app.ended());
    open();
    expectFreshTree(*this);
    EXPECT_EQ(h.platform.randomDraws, 2);
}

TEST_F(AppleTree, ClosingTheTreeWithItsCloseBoxIsLikeBackToMenu) {
    intoBox(5);
    h.closeBox("NumberPicking");
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
    open();
    expectFreshTree(*this);
}

} // namespace
} // namespace tallowby::testing
