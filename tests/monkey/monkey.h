// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random player: a five-year-old with a mouse and no patience. It
// presses, moves and releases any button (shift now and then) at random
// points of the visible windows, mostly on their pictures, presses a key of
// the keyboard play now and then, drags things off
// the window, closes and brings forward windows in any order, lets virtual
// time run from a millisecond to many seconds between events, and keeps
// opening activities from the menu. EXIT only rarely, on purpose; when the
// game has ended it starts a fresh one. The seed alone decides every event,
// so a failing run is replayed from its number.
#pragma once

#include "tests/harness/harness.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace tallowby::testing {

// The monkey's own dice (SplitMix64): the game's random source is left to
// the game, so the questions come as they would for a child.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1p-53 < p; }
    float between(float low, float high) {
        return low + (high - low) * static_cast<float>(static_cast<double>(next() >> 40) * 0x1p-24);
    }

  private:
    std::uint64_t state_;
};

// How far the play reached, for the report.
struct MonkeyFigures {
    long long events = 0;
    long long games = 1;                    // fresh starts, the first included
    long long exits = 0;                    // EXIT pressed on purpose
    long long closeBoxes = 0;               // windows closed by their close box
    long long virtualMs = 0;                // virtual time played
    std::map<std::string, long long> loads; // window name -> times loaded
    std::map<std::string, long long> cues;  // cue file -> times played
    long long addresses = 0;
};

class Monkey {
  public:
    explicit Monkey(std::uint64_t seed);
    ~Monkey();

    // Plays one event and returns what it was, as a line for the trace.
    std::string step();
    const Harness& game() const { return *game_; }
    MonkeyFigures figures() const;

  private:
    struct Pointer {
        std::string window;
        int buttons = 0; // held
        float x = 0, y = 0;
        float toX = 0, toY = 0; // where this press means to end
        int movesLeft = 0;
    };

    void newGame();
    std::string idleEvent();
    std::string heldEvent();
    std::string press(const std::string& window, int button);
    std::string release(int button, float x, float y);
    std::string advanceClock();
    std::string closeSomeWindow();
    std::string bringSomeWindowForward();
    std::string openAnActivity();
    std::string pressExit();
    std::string pressAKey();
    // Aims the pressed picture's drop at one of the window's drop targets;
    // false when the press is on no draggable picture or the window has none.
    bool aimAtDropTarget();
    void planTidyUp();
    std::string tidyUp();
    using Point = std::pair<float, float>;
    std::optional<Point> reachable(const Form& form, const std::string& widget);
    std::optional<std::string> someVisibleWindow();
    // A point of the window: mostly on a picture or label in view, and of
    // those mostly on one with a handler when aiming at handlers.
    std::pair<float, float> somePoint(const std::string& window, bool aimAtHandlers = true);
    // Whether a left press there would land on the menu's EXIT.
    bool onExit(const std::string& window, float x, float y);
    int someButton();

    Dice dice_;
    std::unique_ptr<Harness> game_;
    class LoadCounter;
    std::unique_ptr<LoadCounter> loads_;
    Pointer pointer_;
    std::deque<std::pair<std::string, std::string>> tidying_; // window, picture
    MonkeyFigures figures_;
    // Of the games already ended.
    std::map<std::string, long long> cuesBefore_;
    long long addressesBefore_ = 0;
};

} // namespace tallowby::testing
