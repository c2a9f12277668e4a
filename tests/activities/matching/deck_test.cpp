// SPDX-License-Identifier: GPL-3.0-or-later
// The question deck on a bare window that holds only its two widgets.
#include "activities/deck.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

constexpr std::string_view kTen[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

std::vector<FormDef> deckWindow() {
    FormDef f = window("quiz", "Quiz", 3000, 2000);
    f.widgets = {list("Quelist", 3100, 0, 300, 300), textField("picktxt", 3100, 400, 300, 300)};
    return {std::move(f)};
}

struct Deck : ::testing::Test {
    Harness h{deckWindow()};
    Form& quiz = h.app.form("quiz");
    QuestionDeck deck{h.app, quiz};
    Names keys() {
        Names all;
        for (int i = 0; i < deck.count(); ++i)
            all.push_back(deck.item(i));
        return all;
    }
    void TearDown() override { EXPECT_TRUE(h.app.faults().empty()); }
};

TEST(DeckIndex, IsFloorOfRTimesNInSinglePrecision) {
    const float justBelowOne = std::nextafter(1.0f, 0.0f);
    const struct {
        float r;
        int n;
        int index;
    } cases[] = {
        {0.0f, 1, 0},
        {justBelowOne, 1, 0},
        {0.0f, 5, 0},
        {0.19999f, 5, 0},
        {0.2f, 5, 1},
        {justBelowOne, 5, 4},
        {justBelowOne, 10, 9},
        {justBelowOne, 6, 5},
        // Rounded to single precision the product reaches the next integer,
        // where a double product would stay below it.
        {0.7f, 10, 7},
        {0.833333313f, 6, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(deckIndex(c.r, c.n), c.index) << "r=" << c.r << " n=" << c.n;
}

TEST_F(Deck, ADrawTakesTheChosenKeyOutAndTheKeysBehindMoveUp) {
    const struct {
        float r;
        const char* drawn;
        Names left;
    } cases[] = {
        {0.0f, "1", {"2", "3", "4", "5", "6", "7", "8", "9", "10"}},
        {0.45f, "5", {"1", "2", "3", "4", "6", "7", "8", "9", "10"}},
        {0.7f, "8", {"1", "2", "3", "4", "5", "6", "7", "9", "10"}},
        {std::nextafter(1.0f, 0.0f), "10", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    };
    for (const auto& c : cases) {
        deck.clear();
        deck.add(kTen);
        h.platform.scripted = {c.r};
        deck.draw();
        EXPECT_EQ(deck.drawn(), c.drawn) << "r=" << c.r;
        EXPECT_EQ(quiz.textField("picktxt").text(), c.drawn) << "kept in the window";
        EXPECT_EQ(keys(), c.left) << "r=" << c.r;
    }
}

TEST_F(Deck, ADeckOfOneGivesItsKeyAndIsThenEmpty) {
    deck.add("only");
    h.platform.scripted = {0.99f};
    deck.draw();
    EXPECT_EQ(deck.drawn(), "only");
    EXPECT_EQ(deck.count(), 0);
}

TEST_F(Deck, AnEmptyDeckKeepsTheLastKeyAndUsesNoRandomValue) {
    deck.add("a");
    deck.draw();
    const int used = h.platform.randomDraws;
    h.platform.scripted = {0.9f};
    deck.draw();
    deck.draw();
    EXPECT_EQ(deck.drawn(), "a");
    EXPECT_EQ(h.platform.randomDraws, used);
    deck.add(kTen);
    deck.draw();
    EXPECT_EQ(deck.drawn(), "10") << "the value meant for the next real draw is still there";
}

TEST_F(Deck, NoKeyComesTwiceFromOneFillingAndARefillBringsThemAllBack) {
    for (int filling = 0; filling < 3; ++filling) {
        deck.clear();
        deck.add(kTen);
        std::set<std::string> drawn;
        for (int k = 0; k < 10; ++k) {
            deck.draw();
            EXPECT_TRUE(drawn.insert(deck.drawn()).second) << deck.drawn() << " twice";
        }
        EXPECT_EQ(drawn.size(), 10u);
        EXPECT_EQ(deck.count(), 0);
    }
    EXPECT_EQ(h.platform.randomDraws, 30);
}

TEST_F(Deck, ForgettingTheDrawnKeyEmptiesPicktxtOnly) {
    deck.add(kTen);
    deck.draw();
    deck.forgetDrawn();
    EXPECT_EQ(deck.drawn(), "");
    EXPECT_EQ(deck.count(), 9);
}

TEST(RandomSource, StartsTheSameInEveryRunAndStaysBelowOne) {
    RandomSource a, b;
    for (int k = 0; k < 10000; ++k) {
        const float r = a.next();
        ASSERT_EQ(r, b.next()) << "value " << k;
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

} // namespace
} // namespace tallowby::testing
