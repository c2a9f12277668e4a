// SPDX-License-Identifier: GPL-3.0-or-later
// Complete The Sequence as the child sees and plays it: the question on
// screen, the four numerals offered, the banners and their seconds.
#pragma once

#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tallowby::testing {

using Names = std::vector<std::string>;
using Choices = std::array<int, 4>; // numerals at places 1 to 4, 0 where none stands

// What each question shows, and its right answer.
struct Asked {
    int key;
    const char* text;
    int squares;
    Choices choices;
    int answer;
};
inline constexpr Asked kAsked[] = {
    {1, "What number comes AFTER this?", 5, {7, 4, 6, 5}, 6},
    {2, "What number comes BEFORE this?", 3, {9, 3, 4, 2}, 2},
    {3, "What number comes AFTER this?", 9, {1, 10, 3, 8}, 10},
    {4, "What number comes BEFORE this?", 8, {10, 5, 7, 9}, 7},
    {5, "What number comes AFTER this?", 1, {4, 1, 2, 3}, 2},
    {6, "What number is 2 MORE than this?", 5, {3, 4, 7, 5}, 7},
};
inline const Asked& asked(int key) {
    if (key < 1 || key > 6) throw std::logic_error("no question " + std::to_string(key));
    return kAsked[key - 1];
}

inline constexpr float kQuantityLeft = 3480, kQuantityTop = 1680;
inline constexpr float kChoiceTop = 4200;
inline constexpr float kPlaceLefts[4] = {840, 2640, 4560, 6360};

// The question on screen as the child sees it.
struct Screen {
    std::string text;
    int squares = 0; // on the one quantity tile in view
    Choices choices{};
    friend bool operator==(const Screen&, const Screen&) = default;
};
inline std::ostream& operator<<(std::ostream& out, const Screen& s) {
    out << '"' << s.text << "\" " << s.squares << " squares, choices";
    for (int c : s.choices)
        out << ' ' << c;
    return out;
}
inline Screen screenOf(const Asked& a) {
    return {a.text, a.squares, a.choices};
}

// One run of the game, from the menu on.
struct Visit {
    Harness h;

    ~Visit() { EXPECT_TRUE(h.app.faults().empty()) << h.app.faults().front(); }

    // Through the menu's orange "Complete The Sequence" bar and its slide.
    void open() {
        h.click("main", "Image5");
        h.advance(71 * kFastestTickMs);
        ASSERT_TRUE(h.visible("Sequence"));
    }
    Form& game() { return h.form("Sequence"); }

    // Random values that make the next draws from a full deck of six take
    // these keys in this order.
    void willAsk(std::vector<int> keys) {
        std::vector<int> deck{1, 2, 3, 4, 5, 6};
        for (int key : keys) {
            auto it = std::find(deck.begin(), deck.end(), key);
            ASSERT_NE(it, deck.end()) << key << " asked twice";
            const float size = static_cast<float>(deck.size());
            h.platform.scripted.push_back((static_cast<float>(it - deck.begin()) + 0.5f) / size);
            deck.erase(it);
        }
    }

    bool inView(const std::string& picture) {
        Picture p = game().picture(picture);
        return p.visible() && !game().parked({p.left(), p.top(), p.width(), p.height()});
    }

    // What shows; every tile in view must stand in a place of the question.
    Screen screen() {
        Screen s{game().label("lblquestion").caption()};
        for (int n = 1; n <= 10; ++n) {
            const std::string quantity = "bigdot" + std::to_string(n);
            if (inView(quantity)) {
                EXPECT_EQ(s.squares, 0) << "two quantity tiles in view";
                EXPECT_EQ(game().picture(quantity).left(), kQuantityLeft) << quantity;
                EXPECT_EQ(game().picture(quantity).top(), kQuantityTop) << quantity;
                s.squares = n;
            }
            const std::string numeral = "big" + std::to_string(n);
            if (!inView(numeral)) continue;
            Picture tile = game().picture(numeral);
            EXPECT_EQ(tile.top(), kChoiceTop) << numeral;
            const auto place = std::find(std::begin(kPlaceLefts), std::end(kPlaceLefts), tile.left());
            if (place == std::end(kPlaceLefts)) {
                ADD_FAILURE() << numeral << " in view outside the choice row, at Left " << tile.left();
                continue;
            }
            int& slot = s.choices[static_cast<std::size_t>(place - std::begin(kPlaceLefts))];
            EXPECT_EQ(slot, 0) << "two numerals at one place";
            slot = n;
        }
        return s;
    }
    // The key of the question on screen, 0 when the screen matches none.
    int onScreen() {
        const Screen s = screen();
        for (const Asked& a : kAsked)
            if (s == screenOf(a) && game().textField("picktxt").text() == std::to_string(a.key)) return a.key;
        return 0;
    }

    bool showsCorrect() { return inView("correctimg"); }
    bool showsTryAgain() { return inView("tryagainimg"); }
    std::string seconds() { return game().label("timelbl").caption(); }
    int keysLeft() { return game().list("Quelist").count(); }

    void choose(int numeral) { h.click("Sequence", "big" + std::to_string(numeral)); }
    void answerRight() { choose(asked(onScreen()).answer); }
    void answerWrong() {
        const Asked& a = asked(onScreen());
        choose(a.choices[0] != a.answer ? a.choices[0] : a.choices[1]);
    }
};

// Banners run three one-second ticks.
inline constexpr long long kBannerMs = 3000;

} // namespace tallowby::testing
