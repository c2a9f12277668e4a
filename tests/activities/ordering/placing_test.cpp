// SPDX-License-Identifier: GPL-3.0-or-later
// Dropping numerals on the ordering board: which releases land in a slot,
// where they snap, what the answer field says, and the dong.
#include "board.h"

namespace tallowby::testing {
namespace {

struct Placing : Board {};

TEST(PlacingTable, EachReleaseLandsInTheSlotItsTopLeftCornerIsInOrNowhere) {
    constexpr float kStays = -1; // no slot: the numeral stays where it was let go
    const struct {
        int numeral;
        float left, top; // the numeral's top-left corner on release
        float snapLeft;  // kStays when it lands nowhere
        const char* field;
    } cases[] = {
        // Inside each slot: numerals 1 to 9 snap 240 in from the tile's edge,
        // numeral 10 flush with it, numeral 9 flush in its own slot only.
        {1, 500, 4000, 360, "1"},
        {2, 500, 4000, 360, "0"},
        {2, 1500, 3900, 1200, "1"},
        {3, 2200, 4100, 2040, "1"},
        {4, 3000, 4000, 2880, "1"},
        {5, 4000, 4000, 3720, "1"},
        {6, 4400, 4000, 4560, "1"},
        {7, 5900, 4000, 5400, "1"},
        {8, 6100, 4000, 6240, "1"},
        {9, 7000, 4000, 6840, "1"},
        {1, 7000, 4000, 7080, "0"},
        {9, 6500, 4000, 6240, "0"},
        {9, 8000, 4000, 7920, "0"},
        {10, 8000, 4000, 7680, "1"},
        {10, 7000, 4000, 6840, "0"},
        {10, 200, 4000, 120, "0"},
        {10, 850, 4000, 120, "0"}, // most of the picture over slot 2, but the corner counts
        {5, 1784, 4000, 1200, "0"},
        {6, 4319.5f, 4000, kStays, ""},
        {6, 4320.5f, 4000, 4560, "1"},
        // Just inside the band, and exactly on it.
        {1, 500, 3841, 360, "1"},
        {1, 500, 4199, 360, "1"},
        {1, 500, 3840, kStays, ""},
        {1, 500, 4200, kStays, ""},
        {3, 2000, 3000, kStays, ""},
        {3, 2000, 5000, kStays, ""},
        // Exactly on every range bound.
        {4, 120, 4000, kStays, ""},
        {4, 900, 4000, kStays, ""},
        {4, 960, 4000, kStays, ""},
        {4, 1785, 4000, kStays, ""},
        {4, 1800, 4000, kStays, ""},
        {4, 2625, 4000, kStays, ""},
        {4, 2640, 4000, kStays, ""},
        {4, 3465, 4000, kStays, ""},
        {4, 3480, 4000, kStays, ""},
        {4, 4290, 4000, kStays, ""},
        {4, 4320, 4000, kStays, ""},
        {4, 5145, 4000, kStays, ""},
        {4, 5160, 4000, kStays, ""},
        {4, 6000, 4000, kStays, ""}, // top of slot 7 and bottom of slot 8
        {4, 6840, 4000, kStays, ""},
        {4, 7600, 4000, kStays, ""},
        {4, 7680, 4000, kStays, ""},
        {4, 8505, 4000, kStays, ""},
        // In the gaps between ranges and beyond the row's ends.
        {8, 930, 4000, kStays, ""},
        {8, 1790, 4000, kStays, ""},
        {8, 2630, 4000, kStays, ""},
        {8, 3470, 4000, kStays, ""},
        {8, 4300, 4000, kStays, ""},
        {8, 5150, 4000, kStays, ""},
        {8, 7640, 4000, kStays, ""},
        {8, 60, 4000, kStays, ""},
        {8, 8600, 4000, kStays, ""},
    };
    for (const auto& c : cases) {
        Play b;
        b.drag(c.numeral, c.left, c.top);
        const bool lands = c.snapLeft != kStays;
        SCOPED_TRACE(::testing::Message()
                     << "numeral " << c.numeral << " released at " << c.left << "," << c.top);
        EXPECT_EQ(b.picture(c.numeral).left(), lands ? c.snapLeft : c.left);
        EXPECT_EQ(b.picture(c.numeral).top(), lands ? 3840 : c.top);
        EXPECT_EQ(b.field(c.numeral), c.field);
        EXPECT_EQ(b.count("dong.wav"), lands ? 1 : 0);
        for (int n = 1; n <= 10; ++n)
            if (n != c.numeral) {
                EXPECT_EQ(b.field(n), "") << "only the dropped numeral's own field";
            }
        EXPECT_TRUE(b.noFaults());
    }
}

TEST_F(Placing, APlacedNumeralCanBeMovedOnAndKeepsItsLastSlotsVerdictOutside) {
    place(3, 3);
    EXPECT_EQ(field(3), "1");
    place(3, 5);
    EXPECT_EQ(picture(3).left(), 3720);
    EXPECT_EQ(field(3), "0") << "rewritten by the new slot";
    place(3, 3);
    EXPECT_EQ(field(3), "1");
    drag(3, 5000, 1500); // back into the bubble
    EXPECT_EQ(picture(3).left(), 5000);
    EXPECT_EQ(picture(3).top(), 1500);
    EXPECT_EQ(field(3), "1") << "still counts as placed";
    EXPECT_EQ(count("dong.wav"), 3);
}

TEST_F(Placing, APlacedNumeralPressedAndReleasedInPlaceStaysSilent) {
    place(6, 6);
    auto [x, y] = h.reachablePoint("MissingNum", "siximg");
    h.press("MissingNum", x, y);
    h.release("MissingNum", x, y);
    EXPECT_EQ(picture(6).left(), 4560);
    EXPECT_EQ(picture(6).top(), 3840) << "on the band's edge, so no slot takes it again";
    EXPECT_EQ(field(6), "1");
    EXPECT_EQ(count("dong.wav"), 1);
}

TEST_F(Placing, TwoNumeralsShareASlotEachWithItsOwnVerdict) {
    place(1, 1);
    place(2, 1);
    place(10, 1);
    EXPECT_EQ(picture(1).left(), 360);
    EXPECT_EQ(picture(2).left(), 360);
    EXPECT_EQ(picture(10).left(), 120);
    EXPECT_EQ(field(1), "1");
    EXPECT_EQ(field(2), "0");
    EXPECT_EQ(field(10), "0");
    // The one earlier in the table is drawn in front and picked up first.
    Form& f = board();
    EXPECT_EQ(h.app.hitTest(f, 400, 4000), f.indexOf("tenimg"));
    drag(10, 3000, 1000);
    EXPECT_EQ(h.app.hitTest(f, 400, 4000), f.indexOf("twoimg"));
    EXPECT_EQ(field(10), "0");
}

TEST_F(Placing, TheRightButtonMovesNothingButItsReleaseStillDrops) {
    // Left into a gap in the band, where it rests unplaced.
    drag(7, 930, 4000);
    EXPECT_EQ(field(7), "");
    // A right-button drag towards slot 3 leaves it in the gap.
    auto [x, y] = h.reachablePoint("MissingNum", "sevenimg");
    h.press("MissingNum", x, y, kRight);
    h.move("MissingNum", x + 1000, y, kRight);
    h.release("MissingNum", x + 1000, y, kRight);
    EXPECT_EQ(picture(7).left(), 930);
    EXPECT_EQ(count("dong.wav"), 0);
    // Left-drag it a little into slot 2 and let the right button go first:
    // that release drops it, while the left is still held.
    h.press("MissingNum", x, y);
    h.move("MissingNum", x + 100, y);
    h.press("MissingNum", x + 100, y, kRight);
    h.move("MissingNum", x + 2000, y + 1000, kLeft | kRight);
    EXPECT_EQ(picture(7).left(), 1030) << "both held: it rests";
    h.release("MissingNum", x + 2000, y + 1000, kRight);
    EXPECT_EQ(picture(7).left(), 1200);
    EXPECT_EQ(picture(7).top(), 3840);
    EXPECT_EQ(field(7), "0");
    EXPECT_EQ(count("dong.wav"), 1);
    // The left button still drags it on; its release drops it again.
    h.move("MissingNum", 3000, 1500);
    h.release("MissingNum", 3000, 1500);
    EXPECT_EQ(picture(7).top(), 1500 - (y - 4000)) << "the grab point came along";
    EXPECT_EQ(field(7), "0");
    EXPECT_EQ(count("dong.wav"), 1);
}

TEST_F(Placing, ANumeralDraggedPastTheEdgeStaysThereAndIsReachableOnlyInside) {
    drag(5, 8700, 2000); // 135 of its 450 twips still inside
    EXPECT_EQ(picture(5).left(), 8700);
    Form& f = board();
    EXPECT_EQ(h.app.hitTest(f, 8800, 2300), f.indexOf("fiveimg"));
    drag(5, 9000, 2000); // wholly outside now
    h.advance(10000);
    EXPECT_EQ(picture(5).left(), 9000) << "nothing pulls it back";
    EXPECT_THROW(h.reachablePoint("MissingNum", "fiveimg"), std::logic_error);
    EXPECT_EQ(h.app.hitTest(f, 8800, 2300), f.indexOf("Image1"));
    EXPECT_EQ(field(5), "");
}

TEST_F(Placing, NumeralOnePassesBehindTheButtonsAndInFrontOfTheSlots) {
    Form& f = board();
    auto [x, y] = h.reachablePoint("MissingNum", "oneimg");
    const float grabX = x - 5760, grabY = y - 720;
    h.press("MissingNum", x, y);
    h.move("MissingNum", 3000 + grabX, 6200 + grabY); // over "Start Over"
    EXPECT_EQ(h.app.hitTest(f, 3100, 6400), f.indexOf("Image13"));
    h.move("MissingNum", 6500 + grabX, 7300 + grabY); // over "Back To Menu"
    EXPECT_EQ(h.app.hitTest(f, 6600, 7500), f.indexOf("Image14"));
    h.move("MissingNum", 1000 + grabX, 3000 + grabY); // behind the waving man
    EXPECT_EQ(h.app.hitTest(f, 1100, 3200), f.indexOf("Image15"));
    h.move("MissingNum", 3500 + grabX, 4300 + grabY); // over slot 5 and the "?" tile below
    EXPECT_EQ(h.app.hitTest(f, 3600, 4400), f.indexOf("oneimg"));
    EXPECT_EQ(h.app.hitTest(f, 3600, 4700), f.indexOf("oneimg"));
    h.release("MissingNum", 3500 + grabX, 4300 + grabY);
    EXPECT_EQ(field(1), "") << "Top 4300 is below the band";
}

} // namespace
} // namespace tallowby::testing
