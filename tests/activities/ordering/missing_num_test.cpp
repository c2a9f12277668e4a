// SPDX-License-Identifier: GPL-3.0-or-later
// The ordering board as it opens, Start Over and Back To Menu.
#include "board.h"

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

struct OrderingBoard : Board {};

void expectFreshBoard(Play& b) {
    Form& f = b.board();
    EXPECT_EQ(f.caption(), "Putting Numbers 1-10 In Order");
    EXPECT_EQ(f.width(), 8835);
    EXPECT_EQ(f.height(), 7980);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(b.picture(n).left(), numeral(n).startLeft) << n;
        EXPECT_EQ(b.picture(n).top(), numeral(n).startTop) << n;
        EXPECT_EQ(b.field(n), "") << n;
        EXPECT_TRUE(b.picture(n).visible()) << n;
    }
    EXPECT_EQ(b.score(), "");
    EXPECT_EQ(b.answerRow(), "??????????");
    EXPECT_EQ(f.label("lblcount").caption(), "20");
    EXPECT_FALSE(f.timer("showtimer").enabled());
    EXPECT_EQ(f.timer("showtimer").interval(), 250);
    EXPECT_FALSE(f.label("Label3").visible()) << "the N1 label is not offered";
}

TEST_F(OrderingBoard, OpensFromTheMenuWithTheNumeralsInTheBubbleAndAStartupSound) {
    expectFreshBoard(*this);
    EXPECT_EQ(h.cues(), (Names{"Chime.wav", "startup.wav"}));
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"MissingNum", "main"}));
    // Every numeral can be picked up where it starts, and none lies in the band.
    for (int n = 1; n <= 10; ++n)
        EXPECT_NO_THROW(h.reachablePoint("MissingNum", numeral(n).picture)) << n;
    h.advance(10000);
    EXPECT_EQ(count("click.wav"), 0) << "no reveal runs by itself";
}

TEST_F(OrderingBoard, ChoosingItAgainFromTheMenuKeepsTheBoard) {
    place(4, 2);
    h.app.activated("main");
    h.click("main", "Image4");
    h.advance(71 * kFastestTickMs);
    EXPECT_EQ(h.app.visibleFrontToBack().front(), "MissingNum");
    EXPECT_EQ(picture(4).left(), 1200);
    EXPECT_EQ(field(4), "0");
    EXPECT_EQ(count("startup.wav"), 1) << "not loaded again";
}

// The states a board can be in when Start Over or Back To Menu is pressed.
const struct {
    const char* name;
    void (*before)(Play&);
} kBoardStates[] = {
    {"untouched", [](Play&) {}},
    {"half placed",
     [](Play& b) {
         b.place(1, 1);
         b.place(7, 3);
         b.drag(10, 3000, 1000);
     }},
    {"incomplete check with the message open",
     [](Play& b) {
         b.place(2, 2);
         b.check();
     }},
    {"mid reveal",
     [](Play& b) {
         for (int n = 1; n <= 10; ++n)
             b.place(n, n);
         b.check();
         b.h.advance(1000);
     }},
    {"after the reveal",
     [](Play& b) {
         for (int n = 1; n <= 10; ++n)
             b.place(n, 11 - n);
         b.check();
         b.h.advance(3000);
     }},
};

TEST(OrderingBoardReset, StartOverGivesAFreshBoardWhateverItsStateAndLeavesTheMessageOpen) {
    for (const auto& state : kBoardStates) {
        Play b;
        state.before(b);
        const bool messageOpen = b.h.loaded("message");
        const int startups = b.count("startup.wav");
        const int clicks = b.count("click.wav");
        b.h.click("MissingNum", "Image13");
        SCOPED_TRACE(state.name);
        expectFreshBoard(b);
        EXPECT_EQ(b.count("startup.wav"), startups + 1);
        EXPECT_EQ(b.h.app.visibleFrontToBack().front(), "MissingNum");
        EXPECT_EQ(b.h.loaded("message"), messageOpen);
        b.h.advance(5000);
        EXPECT_EQ(b.count("click.wav"), clicks) << "a running reveal is gone";
        EXPECT_EQ(b.answerRow(), "??????????");
        EXPECT_TRUE(b.noFaults());
    }
}

TEST(OrderingBoardReset, BackToMenuClosesOnlyTheBoardWhateverItsState) {
    for (const auto& state : kBoardStates) {
        Play b;
        state.before(b);
        Names others = b.h.app.visibleFrontToBack();
        std::erase(others, "MissingNum");
        const int clicks = b.count("click.wav");
        b.h.click("MissingNum", "Image14");
        SCOPED_TRACE(state.name);
        EXPECT_FALSE(b.h.loaded("MissingNum"));
        EXPECT_EQ(b.h.app.visibleFrontToBack(), others) << "the menu, and the message if it was open";
        EXPECT_FALSE(b.h.app.ended());
        b.h.advance(5000);
        EXPECT_EQ(b.count("click.wav"), clicks);
        // Opening the activity again starts afresh.
        b.h.click("main", "Image4");
        b.h.advance(71 * kFastestTickMs);
        expectFreshBoard(b);
        EXPECT_TRUE(b.noFaults());
    }
}

TEST_F(OrderingBoard, ClosingTheBoardWithItsCloseBoxIsLikeBackToMenu) {
    for (int n = 1; n <= 10; ++n)
        place(n, n);
    check();
    h.closeBox("MissingNum");
    EXPECT_EQ(h.app.visibleFrontToBack(), Names{"main"});
    h.advance(5000);
    EXPECT_EQ(count("click.wav"), 0);
}

} // namespace
} // namespace tallowby::testing
