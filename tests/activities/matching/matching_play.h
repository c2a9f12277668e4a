// SPDX-License-Identifier: GPL-3.0-or-later
// Number Matching as the child sees and plays it: the numeral shown, the dot
// row, the five lights, clicks on tiles.
#pragma once

#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tallowby::testing {

using Names = std::vector<std::string>;
using Row = std::array<int, 5>;

inline constexpr float kRowLefts[5] = {1680, 2760, 3840, 4920, 6000};

// One run of the game, from the menu on.
struct Player {
    Harness h;

    ~Player() { EXPECT_TRUE(h.app.faults().empty()) << h.app.faults().front(); }

    // Through the menu's "Number Matching" bar and its slide.
    void open() {
        h.click("main", "Image3");
        h.advance(71 * kFastestTickMs);
        ASSERT_TRUE(h.visible("nummatch"));
    }
    Form& game() { return h.form("nummatch"); }
    Form& levelEnd() { return h.form("levelup"); }

    // Random values that make the next draws from a full deck of five ask
    // these numerals in this order.
    void willAsk(std::vector<int> numerals) {
        std::vector<int> deck{1, 2, 3, 4, 5};
        for (int n : numerals) {
            auto it = std::find(deck.begin(), deck.end(), n);
            ASSERT_NE(it, deck.end()) << n << " asked twice";
            const float size = static_cast<float>(deck.size());
            h.platform.scripted.push_back((static_cast<float>(it - deck.begin()) + 0.5f) / size);
            deck.erase(it);
        }
    }

    // The numeral on screen; exactly one numeral tile shows, at the question place.
    int shownNumeral() {
        int shown = 0;
        for (int n = 1; n <= 5; ++n) {
            Picture big = game().picture("big" + std::to_string(n));
            if (!big.visible() || game().parked({big.left(), big.top(), big.width(), big.height()})) continue;
            EXPECT_EQ(shown, 0) << "two numeral tiles show";
            EXPECT_EQ(big.left(), 3800);
            EXPECT_EQ(big.top(), 1320);
            shown = n;
        }
        EXPECT_NE(shown, 0) << "no numeral tile shows";
        return shown;
    }

    // Squares on the tile at each place of the dot row, 0 where none stands;
    // suffix "" for the round-1 tiles, "b" for the round-2 ones.
    Row dotRow(const std::string& suffix) {
        Row row{};
        for (int squares = 1; squares <= 5; ++squares) {
            Picture tile = game().picture("dot" + std::to_string(squares) + suffix);
            for (int place = 0; place < 5; ++place)
                if (tile.left() == kRowLefts[place] && tile.top() == 4320 && tile.visible()) {
                    EXPECT_EQ(row[place], 0) << "two tiles at place " << place + 1;
                    row[place] = squares;
                }
        }
        return row;
    }

    // "grey", "green" or "red"; anything else means a light shows no lamp or more than one.
    std::string light(int n) {
        const std::string number = std::to_string(n);
        const bool grey = game().picture("question" + number).visible();
        const bool green = game().picture("right" + number).visible();
        const bool red = game().picture("wrong" + number).visible();
        if (grey + green + red != 1) return "broken";
        return grey ? "grey" : green ? "green" : "red";
    }
    Names lights() {
        Names all;
        for (int n = 1; n <= 5; ++n)
            all.push_back(light(n));
        return all;
    }
    std::string count() { return game().label("numcountlbl").caption(); }

    std::string suffix() { return game().textField("roundtxt").text() == "2" ? "b" : ""; }
    void clickTile(int squares) { h.click("nummatch", "dot" + std::to_string(squares) + suffix()); }
    void answerRight() { clickTile(shownNumeral()); }
    void answerWrong() { clickTile(shownNumeral() % 5 + 1); }

    int played(const std::string& cue) {
        const Names all = h.cues();
        return static_cast<int>(std::count(all.begin(), all.end(), cue));
    }

    // Five clicks, right or wrong as given, first question first.
    void playRound(const std::array<bool, 5>& right) {
        for (bool r : right)
            r ? answerRight() : answerWrong();
    }
};

inline constexpr std::array<bool, 5> kAllRight{true, true, true, true, true};
inline constexpr std::array<bool, 5> kAllWrong{false, false, false, false, false};

// The dot row of each numeral asked, numeral 1 first, in both rounds.
inline constexpr Row kRows[5] = {
    {2, 5, 1, 3, 4}, {2, 1, 5, 4, 3}, {3, 2, 4, 5, 1}, {4, 1, 3, 2, 5}, {2, 1, 4, 3, 5},
};
inline constexpr Row kNone{0, 0, 0, 0, 0};

} // namespace tallowby::testing
