// SPDX-License-Identifier: GPL-3.0-or-later
// The ordering board opened the way the child opens it, with the names of
// its numerals and a few moves that the tests share.
#pragma once

#include "app/forms/forms.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallowby::testing {

// Numeral n at index n - 1: its picture, its answer field, where it starts.
struct NumeralNames {
    const char* picture;
    const char* field;
    float startLeft, startTop;
};
inline constexpr NumeralNames kNumeralNames[] = {
    {"oneimg", "oneanstxt", 5760, 720},      {"twoimg", "twoanstxt", 5280, 1320},
    {"threeimg", "threeanstxt", 5520, 2160}, {"fourimg", "fouranstxt", 6360, 1320},
    {"fiveimg", "fiveanstxt", 7200, 1200},   {"siximg", "sixanstxt", 6480, 480},
    {"sevenimg", "sevenanstxt", 4920, 1920}, {"eightimg", "eightanstxt", 7800, 1800},
    {"nineimg", "nineanstxt", 7920, 960},    {"tenimg", "tenanstxt", 6480, 2160},
};
inline const NumeralNames& numeral(int n) {
    return kNumeralNames[n - 1];
}

// A release point well inside slot k's drop range.
inline float insideSlot(int k) {
    return 400.0f + 840.0f * static_cast<float>(k - 1);
}
inline constexpr float kInBand = 4000;

// The game with the board opened from the menu, and the child's moves on it.
struct Play {
    Harness h;
    Play() {
        h.click("main", "Image4");
        h.advance(71 * kFastestTickMs);
    }
    bool noFaults() const { return h.app.faults().empty(); }

    Form& board() { return h.form("MissingNum"); }
    Picture picture(int n) { return board().picture(numeral(n).picture); }
    std::string field(int n) { return board().textField(numeral(n).field).text(); }
    std::string score() { return board().label("endresultlbl").caption(); }
    void drag(int n, float left, float top) { h.drag("MissingNum", numeral(n).picture, left, top); }
    void place(int n, int slot) { drag(n, insideSlot(slot), kInBand); }
    void check() { h.click("MissingNum", "Image12"); }
    int count(const std::string& cue) {
        int c = 0;
        for (const auto& played : h.cues())
            c += played == cue;
        return c;
    }
    // Which tiles of the answer row show their numeral, "?" otherwise.
    std::string answerRow() {
        std::string row;
        for (int k = 1; k <= 10; ++k) {
            bool shown = board().picture("answer" + std::to_string(k)).visible();
            bool hidden = !board().picture("order" + std::to_string(k)).visible();
            EXPECT_EQ(shown, hidden) << "tile " << k << " shows exactly one face";
            row += shown ? (k == 10 ? "X" : std::to_string(k)) : "?";
        }
        return row;
    }
};

struct Board : ::testing::Test, Play {
    void TearDown() override { EXPECT_TRUE(noFaults()) << h.app.faults().front(); }
};

} // namespace tallowby::testing
