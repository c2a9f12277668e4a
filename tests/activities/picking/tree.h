// SPDX-License-Identifier: GPL-3.0-or-later
// The apple tree opened the way the child opens it, with what the child sees
// of it read back as short strings, and the moves that the tests share.
#pragma once

#include "app/forms/forms.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallowby::testing {

using Names = std::vector<std::string>;

struct Place {
    float left, top;
    friend bool operator==(const Place&, const Place&) = default;
};
inline std::ostream& operator<<(std::ostream& os, const Place& p) {
    return os << p.left << "," << p.top;
}

// Apple k at index k - 1: its answer field, its home in the tree, and the
// crate compartment it is parked on once it goes into the box.
struct AppleNames {
    const char* field;
    Place home, compartment;
};
inline constexpr AppleNames kAppleNames[] = {
    {"oneanstxt", {5280, 2520}, {360, 6840}},    {"twoanstxt", {1800, 1680}, {1320, 6840}},
    {"threeanstxt", {4200, 1080}, {2280, 6840}}, {"fouranstxt", {1680, 2760}, {3240, 6840}},
    {"fiveanstxt", {4320, 2640}, {4080, 6840}},  {"sixanstxt", {2760, 1080}, {360, 7800}},
    {"sevenanstxt", {6120, 1440}, {1320, 7800}}, {"eightanstxt", {4560, 1800}, {2280, 7800}},
    {"nineanstxt", {6360, 2520}, {3240, 7800}},  {"tenanstxt", {3360, 2280}, {4080, 7800}},
};
inline const AppleNames& appleNames(int k) {
    return kAppleNames[k - 1];
}

// A top-left corner well inside the box's drop area, and one on the grass.
inline constexpr Place kInBox{4000, 5700};
inline constexpr Place kOnGrass{6000, 4700};

inline const Names kPanel{"Shape1", "Label5", "endresultlbl", "Label4", "picktxtlbl", "Label6"};

// The game with the tree opened from the menu, and the child's moves on it.
struct Picking {
    Harness h;

    // number: the trunk numeral the first opening draws; 0 leaves it to the
    // game's own random source.
    explicit Picking(int number = 0) {
        if (number) willDraw(number);
        open();
    }
    bool noFaults() const { return h.app.faults().empty(); }

    // The menu's "Number Picking" bar and its slide.
    void open() {
        h.click("main", "Image7");
        h.advance(71 * kFastestTickMs);
    }
    // The next opening, from a full deck of ten, draws this number.
    void willDraw(int number) { h.platform.scripted.push_back((static_cast<float>(number) - 0.5f) / 10); }

    Form& tree() { return h.form("NumberPicking"); }
    static std::string apple(int k) { return "apple" + std::to_string(k); }
    Picture applePicture(int k) { return tree().picture(apple(k)); }
    Place placeOf(int k) { return {applePicture(k).left(), applePicture(k).top()}; }
    std::string field(int k) { return tree().textField(appleNames(k).field).text(); }
    std::string counted() { return tree().textField("applecounttxt").text(); }

    // Moves the apple with the left button until its top-left corner is there.
    void drop(int k, Place at) { h.drag("NumberPicking", apple(k), at.left, at.top); }
    void intoBox(int k) { drop(k, kInBox); }
    void check() { h.click("NumberPicking", "checkans"); }
    void playAgain() { h.click("NumberPicking", "Image6"); }
    // Redeploy Apples is parked out of the pointer's reach: its bound handler.
    void redeploy() { h.app.definition("NumberPicking")->find("Command1")->click(h.app); }

    // Ten answer fields, "_" for one that is still "".
    std::string fields() {
        std::string all;
        for (int k = 1; k <= 10; ++k)
            all += field(k).empty() ? "_" : field(k);
        return all;
    }
    // The crate's compartments 1 to 10, "o" where a crate apple shows.
    std::string crate() {
        std::string all;
        for (int k = 1; k <= 10; ++k)
            all += tree().picture("token" + std::to_string(k)).visible() ? "o" : ".";
        return all;
    }
    // Which apples still show, "o" for each, apple 1 first.
    std::string treeApples() {
        std::string all;
        for (int k = 1; k <= 10; ++k)
            all += applePicture(k).visible() ? "o" : ".";
        return all;
    }
    // The numeral on the trunk; exactly one tile shows, on the trunk.
    int trunkNumber() {
        int shown = 0;
        for (int n = 1; n <= 10; ++n) {
            Picture tile = tree().picture("small" + std::to_string(n));
            EXPECT_EQ((Place{tile.left(), tile.top()}), (Place{3790, 4440})) << "small" << n;
            if (!tile.visible()) continue;
            EXPECT_EQ(shown, 0) << "two trunk numerals show";
            shown = n;
        }
        EXPECT_NE(shown, 0) << "no trunk numeral shows";
        return shown;
    }
    // The results panel's three lines as the child reads them, "" while it is
    // hidden; it shows or hides as a whole, with Play Again.
    std::string panel() {
        Form& f = tree();
        const bool shown = f.label("Label5").visible();
        for (const auto& name : kPanel)
            EXPECT_EQ(f.widgets()[f.indexOf(name)].visible, shown) << name;
        EXPECT_EQ(f.picture("Image6").visible(), shown) << "Play Again comes with the panel";
        if (!shown) return "";
        return f.label("Label5").caption() + " | " + f.label("endresultlbl").caption() + " " +
               f.label("Label4").caption() + f.label("picktxtlbl").caption() + " | " +
               f.label("Label6").caption();
    }
    Names deck() {
        List keys = tree().list("Quelist");
        Names all;
        for (int i = 0; i < keys.count(); ++i)
            all.push_back(keys.item(i));
        return all;
    }
    int played(const std::string& cue) {
        const Names all = h.cues();
        return static_cast<int>(std::count(all.begin(), all.end(), cue));
    }
};

struct Tree : ::testing::Test, Picking {
    void TearDown() override { EXPECT_TRUE(noFaults()) << h.app.faults().front(); }
};

} // namespace tallowby::testing
