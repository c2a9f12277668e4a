// SPDX-License-Identifier: GPL-3.0-or-later
// The shared picture dragging on a small window of its own: two draggable
// pictures with a strip standing in front of them, and a drop handler that
// only notes where each release found its picture.
#include "activities/drag.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallowby::testing {
namespace {

struct Drop {
    std::string picture;
    int button;
    float left, top;
    friend bool operator==(const Drop&, const Drop&) = default;
};
std::ostream& operator<<(std::ostream& os, const Drop& d) {
    return os << d.picture << " button " << d.button << " at " << d.left << "," << d.top;
}

std::vector<FormDef> dragWindow(std::shared_ptr<std::vector<Drop>> drops) {
    FormDef f = window("board", "Board", 3000, 2000);
    f.widgets = {
        picture("strip", 1200, 0, 300, 2000, "strip.png"),
        picture("a", 150, 150, 300, 600, "a.png"),
        picture("b", 600, 150, 300, 600, "b.png"),
        picture("floor", 0, 0, 3000, 2000, "floor.png"),
    };
    for (const char* name : {"a", "b"}) {
        std::string n = name;
        f.onMouseDown(n, [](Forms& app, const MouseArgs& e) { drag_MouseDown(app.form("board"), e); });
        f.onMouseMove(n, [n](Forms& app, const MouseArgs& e) {
            Form& board = app.form("board");
            drag_MouseMove(board, board.picture(n), e);
        });
        f.onMouseUp(n, [n, drops](Forms& app, const MouseArgs& e) {
            Picture p = app.form("board").picture(n);
            drops->push_back({n, e.button, p.left(), p.top()});
        });
    }
    return {f};
}

// Counts how often the front end would be told to repaint each widget.
struct Repaints : FormsObserver {
    std::vector<std::pair<int, Rect>> changes;
    void widgetChanged(const Form&, int index, const Rect& before) override {
        changes.push_back({index, before});
    }
};

struct Dragging : ::testing::Test {
    std::shared_ptr<std::vector<Drop>> drops = std::make_shared<std::vector<Drop>>();
    Harness h{dragWindow(drops)};
    Dragging() { h.app.start("board"); }
    Form& board() { return h.form("board"); }
    Picture a() { return board().picture("a"); }
    Rect rectOf(const char* name) { return board().widgets()[board().indexOf(name)].rect; }
    void TearDown() override { EXPECT_TRUE(h.app.faults().empty()); }
};

TEST_F(Dragging, TheGrabPointStaysUnderThePointerWithOneRepaintPerMove) {
    Repaints repaints;
    h.app.addObserver(&repaints);
    // Grabbed 40 twips right and 500 down from the corner; then slow steps,
    // a jump ahead of the picture, a step back and a fractional position.
    h.press("board", 190, 650);
    const struct {
        float x, y;
    } path[] = {{200, 650}, {205, 660}, {2600, 1900}, {2500, 1000}, {333.5f, 777.25f}, {190, 650}};
    Rect before = rectOf("a");
    for (const auto& p : path) {
        h.move("board", p.x, p.y);
        EXPECT_EQ(a().left(), p.x - 40) << p.x << "," << p.y;
        EXPECT_EQ(a().top(), p.y - 500) << p.x << "," << p.y;
        EXPECT_EQ(a().width(), 300);
        EXPECT_EQ(a().height(), 600);
        ASSERT_EQ(repaints.changes.size(), 1u) << "one combined move, repainted once";
        EXPECT_EQ(repaints.changes[0].first, board().indexOf("a"));
        EXPECT_EQ(repaints.changes[0].second, before) << "the old rectangle comes with it";
        before = rectOf("a");
        repaints.changes.clear();
    }
    h.move("board", 190, 650);
    EXPECT_TRUE(repaints.changes.empty()) << "no move, no repaint";
    h.release("board", 190, 650);
    EXPECT_EQ(*drops, (std::vector<Drop>{{"a", kLeft, 150, 150}}));
    h.app.removeObserver(&repaints);
}

TEST_F(Dragging, APressAndReleaseWithoutMovingStillDrops) {
    h.press("board", 300, 300);
    h.release("board", 300, 300);
    EXPECT_EQ(*drops, (std::vector<Drop>{{"a", kLeft, 150, 150}}));
    EXPECT_EQ(rectOf("a"), (Rect{150, 150, 300, 600}));
}

TEST_F(Dragging, OnlyTheLeftButtonAloneMovesThePictureAndEveryReleaseDrops) {
    const struct {
        const char* name;
        int pressed;  // buttons pressed one after another, left first when both
        int moveMask; // the buttons the moves report
        bool moves;
    } cases[] = {
        {"left", kLeft, kLeft, true},
        {"right", kRight, kRight, false},
        {"middle", kMiddle, kMiddle, false},
        {"left and right", kLeft | kRight, kLeft | kRight, false},
        {"left and middle", kLeft | kMiddle, kLeft | kMiddle, false},
    };
    for (const auto& c : cases) {
        auto drops = std::make_shared<std::vector<Drop>>();
        Harness h(dragWindow(drops));
        h.app.start("board");
        for (int b : {kLeft, kRight, kMiddle})
            if (c.pressed & b) h.press("board", 300, 300, b);
        h.move("board", 700, 1400, c.moveMask);
        h.move("board", 900, 1500, c.moveMask);
        Picture a = h.form("board").picture("a");
        const float left = c.moves ? 750 : 150, top = c.moves ? 1350 : 150;
        EXPECT_EQ(a.left(), left) << c.name;
        EXPECT_EQ(a.top(), top) << c.name;
        std::vector<Drop> expected;
        for (int b : {kMiddle, kRight, kLeft})
            if (c.pressed & b) {
                h.release("board", 900, 1500, b);
                expected.push_back({"a", b, left, top});
            }
        EXPECT_EQ(*drops, expected) << c.name
                                    << ": each release reaches the drop handler, over the floor too";
    }
}

TEST_F(Dragging, ASecondButtonPausesTheDragAndItsReleaseDropsMidway) {
    h.press("board", 190, 650); // grab point 40, 500
    h.move("board", 400, 700);
    h.press("board", 400, 700, kRight); // the right press lands on the held picture
    h.move("board", 900, 900, kLeft | kRight);
    EXPECT_EQ(a().left(), 360) << "resting while both are held";
    h.release("board", 900, 900, kRight);
    EXPECT_EQ(*drops, (std::vector<Drop>{{"a", kRight, 360, 200}})) << "dropped where it rests";
    h.move("board", 1000, 1000);
    EXPECT_EQ(a().left(), 960) << "the left button's grab point is still the one in use";
    EXPECT_EQ(a().top(), 500);
    h.release("board", 1000, 1000);
    EXPECT_EQ(drops->back(), (Drop{"a", kLeft, 960, 500}));
}

TEST_F(Dragging, ARightPressDuringALeftDragLeavesTheGrabPointAlone) {
    h.press("board", 160, 160); // grab point 10, 10
    h.press("board", 160, 160, kRight);
    h.move("board", 440, 740, kLeft | kRight);
    h.release("board", 440, 740, kRight);
    h.press("board", 440, 740, kRight); // lands on the picture at 290, 590
    h.release("board", 440, 740, kRight);
    h.move("board", 500, 800);
    EXPECT_EQ(a().left(), 490) << "still held at 10, 10";
    EXPECT_EQ(a().top(), 790);
    EXPECT_EQ(drops->size(), 2u);
}

TEST_F(Dragging, NoBoundsHoldThePictureAndItIsReachableOnlyWhereInside) {
    // Past the right edge with 100 twips still inside, then wholly out below.
    h.press("board", 200, 200); // grab point 50, 50
    h.move("board", 2950, 1000);
    h.release("board", 2950, 1000);
    EXPECT_EQ(a().left(), 2900);
    EXPECT_EQ(h.app.hitTest(board(), 2950, 1100), board().indexOf("a"));
    h.press("board", 2950, 1100); // grab point 50, 150
    h.move("board", 2950, 2300);
    h.move("board", 2950, 2600);
    h.release("board", 2950, 2600);
    EXPECT_EQ(rectOf("a"), (Rect{2900, 2450, 300, 600})) << "nothing pulls it back";
    EXPECT_EQ(h.app.hitTest(board(), 2950, 1990), board().indexOf("floor"));
    h.advance(10000);
    EXPECT_EQ(rectOf("a"), (Rect{2900, 2450, 300, 600}));
    // And off the left and top edges, into negative positions.
    h.press("board", 700, 200); // b, grab point 100, 50
    h.move("board", 50, 20);
    h.release("board", 50, 20);
    EXPECT_EQ(rectOf("b"), (Rect{-50, -30, 300, 600}));
}

TEST_F(Dragging, ADraggedPicturePassesBehindWhatStandsInFrontAndKeepsItsPlace) {
    std::vector<std::string> order;
    for (const auto& w : board().widgets())
        order.push_back(w.def->name);
    h.press("board", 200, 200); // grab point 50, 50
    h.move("board", 1250, 500);
    EXPECT_EQ(a().left(), 1200);
    EXPECT_EQ(h.app.hitTest(board(), 1300, 500), board().indexOf("strip")) << "the strip stays in front";
    EXPECT_EQ(h.app.hitTest(board(), 700, 500), board().indexOf("b")) << "b is uncovered again";
    h.move("board", 650, 200); // over b, which stands behind a
    EXPECT_EQ(h.app.hitTest(board(), 700, 300), board().indexOf("a"));
    h.release("board", 650, 200);
    std::vector<std::string> after;
    for (const auto& w : board().widgets())
        after.push_back(w.def->name);
    EXPECT_EQ(after, order);
}

} // namespace
} // namespace tallowby::testing
