// SPDX-License-Identifier: GPL-3.0-or-later
// Letting apples go: which releases put an apple into the box, where it is
// parked, its answer field, the dong, the count and the crate.
#include "tree.h"

namespace tallowby::testing {
namespace {

struct ApplesIntoTheBox : Tree {};

TEST(ApplesIntoTheBoxTable, AnAppleGoesInWhenItsTopLeftCornerIsStrictlyInsideTheDropArea) {
    const struct {
        const char* name;
        Place corner; // the apple's top-left corner on release
        bool inBox;
    } cases[] = {
        {"well inside", {4000, 5700}, true},
        {"just inside every bound, top left", {3600.5f, 5280.5f}, true},
        {"just inside every bound, bottom right", {4499.5f, 6179.5f}, true},
        {"on the left bound", {3600, 5700}, false},
        {"on the right bound", {4500, 5700}, false},
        {"on the top bound", {4000, 5280}, false},
        {"on the bottom bound", {4000, 6180}, false},
        {"just left of the box, mostly over it", {3500, 5700}, false},
        {"over the box but right of the area", {4550, 5700}, false},
        {"over the box but below the area", {4000, 6200}, false},
        {"just above the box", {4000, 5200}, false},
    };
    for (const auto& c : cases) {
        Picking p;
        p.drop(5, c.corner);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(p.placeOf(5), c.inBox ? appleNames(5).compartment : c.corner);
        EXPECT_EQ(p.applePicture(5).visible(), !c.inBox);
        EXPECT_EQ(p.fields(), c.inBox ? "0000100000" : "0000000000");
        EXPECT_EQ(p.played("dong.wav"), c.inBox ? 1 : 0);
        EXPECT_EQ(p.counted(), c.inBox ? "1" : "0");
        EXPECT_EQ(p.crate(), c.inBox ? "o........." : "..........");
        EXPECT_TRUE(p.noFaults());
    }
}

TEST_F(ApplesIntoTheBox, APressAndReleaseInTheTreeTurnsEveryFieldToZeroAndPutsNothingIn) {
    auto [x, y] = h.reachablePoint("NumberPicking", apple(8));
    h.press("NumberPicking", x, y);
    EXPECT_EQ(fields(), "__________") << "nothing before the release";
    h.release("NumberPicking", x, y);
    EXPECT_EQ(placeOf(8), appleNames(8).home);
    EXPECT_EQ(fields(), "0000000000");
    EXPECT_EQ(counted(), "0");
    EXPECT_EQ(crate(), "..........");
    EXPECT_EQ(played("dong.wav"), 0);
}

TEST_F(ApplesIntoTheBox, TheCrateFillsFromItsFirstCompartmentWhicheverApplesGoIn) {
    const struct {
        int apple;
        const char* fields;
        const char* crate;
    } steps[] = {
        {7, "0000001000", "o........."},
        {2, "0100001000", "oo........"},
        {9, "0100001010", "ooo......."},
    };
    for (const auto& s : steps) {
        intoBox(s.apple);
        EXPECT_EQ(fields(), s.fields) << "apple " << s.apple;
        EXPECT_EQ(crate(), s.crate) << "apple " << s.apple;
        EXPECT_EQ(placeOf(s.apple), appleNames(s.apple).compartment) << "parked where its own crate apple is";
    }
    EXPECT_EQ(counted(), "3");
    EXPECT_EQ(treeApples(), "o.oooo.o.o");
    EXPECT_EQ(played("dong.wav"), 3);
}

TEST_F(ApplesIntoTheBox, WithAllTenInTheBoxTheTreeIsEmptyAndTheCrateFull) {
    for (int k : {10, 1, 6, 3, 8, 5, 2, 9, 4, 7})
        intoBox(k);
    EXPECT_EQ(treeApples(), "..........");
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(placeOf(k), appleNames(k).compartment) << "apple " << k;
        EXPECT_THROW(h.reachablePoint("NumberPicking", apple(k)), std::logic_error) << "apple " << k;
    }
    EXPECT_EQ(fields(), "1111111111");
    EXPECT_EQ(counted(), "10");
    EXPECT_EQ(crate(), "oooooooooo");
    EXPECT_EQ(played("dong.wav"), 10);
    // Hidden, apple1 takes no pointer, though it is parked in front of token1.
    Form& f = tree();
    EXPECT_EQ(h.app.hitTest(f, 600, 7000), f.indexOf("token1"));
}

TEST_F(ApplesIntoTheBox, ARightButtonReleaseCountsLikeAnyOther) {
    // Dragged with the left button into the drop area, the right button is
    // let go there first: that release puts the apple in.
    auto [x, y] = h.reachablePoint("NumberPicking", apple(3));
    const float grabX = x - 4200, grabY = y - 1080;
    h.press("NumberPicking", x, y);
    h.move("NumberPicking", kInBox.left + grabX, kInBox.top + grabY);
    h.press("NumberPicking", kInBox.left + grabX, kInBox.top + grabY, kRight);
    h.release("NumberPicking", kInBox.left + grabX, kInBox.top + grabY, kRight);
    EXPECT_FALSE(applePicture(3).visible());
    EXPECT_EQ(placeOf(3), appleNames(3).compartment);
    EXPECT_EQ(fields(), "0010000000");
    EXPECT_EQ(played("dong.wav"), 1);
    // The left button's own release finds it parked in the crate.
    h.release("NumberPicking", kInBox.left + grabX, kInBox.top + grabY);
    EXPECT_EQ(counted(), "1");
    EXPECT_EQ(crate(), "o.........");
    EXPECT_EQ(played("dong.wav"), 1);

    // A right-button press and release on an apple in the tree moves nothing
    // and puts nothing in.
    auto [x6, y6] = h.reachablePoint("NumberPicking", apple(6));
    h.press("NumberPicking", x6, y6, kRight);
    h.move("NumberPicking", kInBox.left + 200, kInBox.top + 200, kRight);
    h.release("NumberPicking", kInBox.left + 200, kInBox.top + 200, kRight);
    EXPECT_EQ(placeOf(6), appleNames(6).home);
    EXPECT_EQ(counted(), "1");
}

TEST_F(ApplesIntoTheBox, AnAppleLeftLyingCanBePickedUpAgainAndPutIn) {
    drop(4, kOnGrass);
    EXPECT_EQ(placeOf(4), kOnGrass);
    EXPECT_TRUE(applePicture(4).visible());
    EXPECT_EQ(fields(), "0000000000");
    drop(4, {3000, 6000}); // beside the box, on the arrow
    EXPECT_EQ(fields(), "0000000000");
    EXPECT_EQ(played("dong.wav"), 0);
    intoBox(4);
    EXPECT_FALSE(applePicture(4).visible());
    EXPECT_EQ(fields(), "0001000000");
    EXPECT_EQ(counted(), "1");
    EXPECT_EQ(crate(), "o.........");
    EXPECT_EQ(played("dong.wav"), 1);
}

TEST_F(ApplesIntoTheBox, ABoxedAppleStaysCountedWhateverIsLetGoAfterIt) {
    intoBox(10);
    drop(1, kOnGrass);
    drop(1, appleNames(1).home); // back into the tree
    auto [x, y] = h.reachablePoint("NumberPicking", apple(2));
    h.press("NumberPicking", x, y);
    h.release("NumberPicking", x, y);
    EXPECT_EQ(fields(), "0000000001");
    EXPECT_EQ(counted(), "1");
    EXPECT_EQ(crate(), "o.........");
}

} // namespace
} // namespace tallowby::testing
