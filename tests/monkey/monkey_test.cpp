// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's two promises: its invariants notice a broken game, and its
// play is decided by the seed alone.
#include "invariants.h"
#include "monkey.h"

#include <gtest/gtest.h>

#include <functional>

namespace tallowby::testing {
namespace {

// The menu with all four activities opened from it.
struct OpenGame : Harness {
    OpenGame() {
        for (const char* bar : {"Image3", "Image4", "Image5", "Image7"}) {
            click("main", bar);
            advance(71 * kFastestTickMs);
        }
    }
};

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines)
        all += l + "\n";
    return all;
}

TEST(MonkeyInvariants, HoldInAFreshlyOpenedGame) {
    OpenGame game;
    EXPECT_EQ(joined(brokenInvariants(game.app)), "");
}

TEST(MonkeyInvariants, NameEachKindOfBrokenState) {
    const struct {
        const char* what;
        std::function<void(Harness&)> breakIt;
        const char* reported;
    } cases[] = {
        {"a caller fault", [](Harness& h) { h.app.callerFault("strict reading of \"x\""); },
         "caller fault recorded: strict reading of \"x\""},
        {"two lamps of one light", [](Harness& h) { h.form("nummatch").picture("right3").setVisible(true); },
         "nummatch: light 3 shows 2 lamps"},
        {"a light without a lamp",
         [](Harness& h) { h.form("nummatch").picture("question2").setVisible(false); },
         "nummatch: light 2 shows 0 lamps"},
        {"a second numeral tile in view",
         [](Harness& h) {
             Form& f = h.form("nummatch");
             for (int n = 1; n <= 5; ++n) {
                 Picture big = f.picture("big" + std::to_string(n));
                 big.move(3800, 1320);
                 big.setVisible(true);
             }
         },
         "nummatch: 5 numeral tiles in view"},
        {"a countdown that is no number", [](Harness& h) { h.form("main").label("timelbl").setCaption("x"); },
         "main: timelbl reads \"x\", not a number from -62 to 8"},
        {"a countdown past its end", [](Harness& h) { h.form("main").label("timelbl").setCaption("-63"); },
         "main: timelbl reads \"-63\""},
        {"a countdown between numbers", [](Harness& h) { h.form("main").label("timelbl").setCaption("6.5"); },
         "main: timelbl reads \"6.5\""},
        {"an answer field out of its three values",
         [](Harness& h) { h.form("MissingNum").textField("sixanstxt").setText("2"); },
         "MissingNum: sixanstxt holds \"2\""},
        {"an answer tile with both faces",
         [](Harness& h) { h.form("MissingNum").picture("answer4").setVisible(true); },
         "MissingNum: answer tile 4 shows both faces or none"},
        {"a reveal counter run past its end",
         [](Harness& h) { h.form("MissingNum").label("lblcount").setCaption("10"); },
         "MissingNum: lblcount reads \"10\""},
        {"a banner countdown run down to nothing",
         [](Harness& h) { h.form("Sequence").label("timelbl").setCaption("0"); },
         "Sequence: timelbl reads \"0\", not a number from 1 to 3"},
        {"two trunk numerals",
         [](Harness& h) {
             for (int n = 1; n <= 10; ++n)
                 h.form("NumberPicking").picture("small" + std::to_string(n)).setVisible(true);
         },
         "NumberPicking: 10 trunk numerals visible"},
        {"a crate apple for no apple in the box",
         [](Harness& h) { h.form("NumberPicking").picture("token1").setVisible(true); },
         "NumberPicking: apple count \"\", 0 fields at \"1\", 1 crate apples, 0 apples boxed"},
        {"an apple count that is not the fields'",
         [](Harness& h) { h.form("NumberPicking").textField("applecounttxt").setText("2"); },
         "NumberPicking: apple count \"2\", 0 fields at \"1\""},
        {"an apple's answer field out of its three values",
         [](Harness& h) { h.form("NumberPicking").textField("tenanstxt").setText("yes"); },
         "NumberPicking: tenanstxt holds \"yes\""},
    };
    for (const auto& c : cases) {
        OpenGame game;
        c.breakIt(game);
        EXPECT_NE(joined(brokenInvariants(game.app)).find(c.reported), std::string::npos)
            << c.what << ": reported\n"
            << joined(brokenInvariants(game.app));
    }
}

TEST(MonkeyInvariants, HoldWhenClosingTheMenuLeavesOnlyHiddenWindows) {
    // Nothing visible is left, so the program has ended with the hidden window unloaded.
    Harness game;
    game.app.form("About"); // touched: loaded hidden
    game.closeBox("main");
    EXPECT_TRUE(game.app.ended());
    EXPECT_EQ(joined(brokenInvariants(game.app)), "");
}

std::vector<std::string> trace(std::uint64_t seed, int events) {
    Monkey monkey(seed);
    std::vector<std::string> lines;
    for (int i = 0; i < events; ++i)
        lines.push_back(monkey.step());
    return lines;
}

TEST(Monkey, ReplaysTheSamePlayFromTheSameSeed) {
    EXPECT_EQ(trace(7, 3000), trace(7, 3000));
    EXPECT_NE(trace(7, 3000), trace(8, 3000));
}

TEST(Monkey, ReachesEveryActivityAndTheWindowsInsideThem) {
    Monkey monkey(1);
    for (int i = 0; i < 30000; ++i)
        monkey.step();
    const MonkeyFigures f = monkey.figures();
    for (const char* window :
         {"nummatch", "levelup", "MissingNum", "message", "Sequence", "NumberPicking", "About"})
        EXPECT_GT(f.loads.count(window) ? f.loads.at(window) : 0, 0) << window;
    EXPECT_GT(f.games, 1) << "the game ended at least once and started afresh";
    EXPECT_GT(f.closeBoxes, 0);
}

} // namespace
} // namespace tallowby::testing
