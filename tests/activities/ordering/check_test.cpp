// SPDX-License-Identifier: GPL-3.0-or-later
// Check My Answer: the message window for an incomplete board, the score at
// once, and the reveal of the right order one tile every 250 ms.
#include "board.h"

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

struct Checking : Board {
    void placeAll(int (*slotOf)(int)) {
        for (int n = 1; n <= 10; ++n)
            place(n, slotOf(n));
    }
    static int own(int n) { return n; }
    static int reversed(int n) { return 11 - n; }
    static int first(int) { return 1; }
};

TEST_F(Checking, ANumeralNeverPlacedBringsTheMessageAndNothingElse) {
    for (int n = 1; n <= 9; ++n)
        place(n, n);
    check();
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"message", "MissingNum", "main"}));
    Form& message = h.form("message");
    EXPECT_EQ(message.caption(), "Message");
    EXPECT_EQ(message.width(), 7215);
    EXPECT_EQ(message.height(), 2520);
    EXPECT_EQ(score(), "");
    EXPECT_FALSE(board().timer("showtimer").enabled());
    h.advance(5000);
    EXPECT_EQ(answerRow(), "??????????");
    EXPECT_EQ(count("click.wav"), 0);
    // Checking again only brings the one message window forward.
    h.app.activated("MissingNum");
    check();
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"message", "MissingNum", "main"}));
    EXPECT_EQ(&h.form("message"), &message);
    // Its Close closes it alone.
    h.click("message", "Image2");
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"MissingNum", "main"}));
}

TEST_F(Checking, AllInOrderScoresTenAtOnceThenRevealsOneTileEvery250ms) {
    placeAll(own);
    check();
    EXPECT_EQ(score(), "10") << "before the reveal begins";
    EXPECT_EQ(answerRow(), "??????????");
    const char* rows[] = {"1?????????", "12????????", "123???????", "1234??????", "12345?????",
                          "123456????", "1234567???", "12345678??", "123456789?", "123456789X"};
    for (int k = 1; k <= 10; ++k) {
        h.advance(249);
        EXPECT_EQ(count("click.wav"), k - 1) << "not before " << 250 * k << " ms";
        h.advance(1);
        EXPECT_EQ(count("click.wav"), k);
        EXPECT_EQ(answerRow(), rows[k - 1]);
    }
    EXPECT_EQ(h.cues().back(), "click.wav");
    EXPECT_FALSE(board().timer("showtimer").enabled());
    EXPECT_EQ(board().label("lblcount").caption(), "20") << "ready for the next reveal";
    h.advance(10000);
    EXPECT_EQ(count("click.wav"), 10);
    EXPECT_EQ(score(), "10");
}

TEST_F(Checking, TheScoreCountsNumeralsLastPlacedInTheirOwnSlot) {
    const struct {
        const char* name;
        int (*slotOf)(int);
        const char* score;
    } cases[] = {
        {"reverse order", reversed, "0"},
        {"all stacked in slot 1", first, "1"},
        {"in order", own, "10"},
    };
    for (const auto& c : cases) {
        Play b;
        for (int n = 1; n <= 10; ++n)
            b.place(n, c.slotOf(n));
        b.check();
        EXPECT_EQ(b.score(), c.score) << c.name;
        EXPECT_FALSE(b.h.loaded("message")) << c.name;
        b.h.advance(2500);
        EXPECT_EQ(b.count("click.wav"), 10) << c.name << ": the reveal runs whatever the score";
        EXPECT_EQ(b.answerRow(), "123456789X") << c.name << ": always the right order";
        EXPECT_TRUE(b.noFaults()) << c.name;
    }
}

TEST_F(Checking, ANumeralTakenBackOutOfItsSlotStillCounts) {
    placeAll(own);
    drag(4, 6000, 1500); // back into the bubble
    drag(8, 2000, 3000); // above the row, outside the band
    check();
    EXPECT_EQ(score(), "10");
    EXPECT_EQ(picture(4).top(), 1500);
}

TEST_F(Checking, TheScoreShownChangesOnlyWithTheNextCheck) {
    placeAll(own);
    check();
    h.advance(3000);
    place(1, 2);
    place(2, 1);
    EXPECT_EQ(score(), "10");
    check();
    EXPECT_EQ(score(), "8");
}

TEST_F(Checking, ACheckDuringTheRevealRescoresAndTheRevealCarriesOn) {
    placeAll(own);
    check();
    h.advance(1000);
    EXPECT_EQ(answerRow(), "1234??????");
    place(10, 9); // placing goes on during the reveal
    check();
    EXPECT_EQ(score(), "9");
    h.advance(249);
    EXPECT_EQ(answerRow(), "1234??????") << "the tick rhythm is kept";
    h.advance(1);
    EXPECT_EQ(answerRow(), "12345?????");
    h.advance(1250);
    EXPECT_EQ(answerRow(), "123456789X");
    EXPECT_EQ(count("click.wav"), 10) << "not restarted";
    h.advance(5000);
    EXPECT_EQ(count("click.wav"), 10);
}

TEST_F(Checking, ACheckAfterTheRevealRunsItAgain) {
    placeAll(reversed);
    check();
    h.advance(2500);
    check();
    for (int k = 1; k <= 10; ++k) {
        h.advance(250);
        EXPECT_EQ(count("click.wav"), 10 + k);
        EXPECT_EQ(answerRow(), "123456789X");
    }
    h.advance(5000);
    EXPECT_EQ(count("click.wav"), 20);
    EXPECT_EQ(score(), "0");
}

TEST_F(Checking, TheMessageLeftOpenStaysWhileTheCompletedBoardIsChecked) {
    place(1, 1);
    check();
    for (int n = 2; n <= 10; ++n)
        place(n, n); // the board is still playable with the message open
    check();
    EXPECT_EQ(score(), "10");
    EXPECT_TRUE(h.visible("message"));
    h.advance(2500);
    EXPECT_EQ(answerRow(), "123456789X");
    EXPECT_TRUE(h.visible("message"));
    h.click("message", "Image2");
    EXPECT_FALSE(h.loaded("message"));
    EXPECT_TRUE(h.visible("MissingNum"));
}

TEST_F(Checking, StartOverDuringTheRevealBringsBackTheQuestionMarks) {
    placeAll(own);
    check();
    h.advance(1250);
    h.click("MissingNum", "Image13");
    EXPECT_EQ(answerRow(), "??????????");
    EXPECT_EQ(score(), "");
    h.advance(5000);
    EXPECT_EQ(count("click.wav"), 5);
    EXPECT_EQ(answerRow(), "??????????");
    check();
    EXPECT_TRUE(h.visible("message")) << "a fresh board has nothing placed";
}

} // namespace
} // namespace tallowby::testing
