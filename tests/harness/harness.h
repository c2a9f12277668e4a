// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game, headless: a recording platform, a virtual clock, and the
// child's mouse. Queries never load a window; only the game's own touches do.
#pragma once

#include "app/forms/forms.h"
#include "app/forms/keyboard.h"
#include "tests/fakes/recording_platform.h"
#include "virtual_clock.h"

#include <string>
#include <utility>
#include <vector>

namespace tallowby::testing {

class Harness {
  public:
    // Defines every window and starts the menu, as the program does.
    Harness();
    // Defines the given windows only and starts none (engine tests).
    explicit Harness(std::vector<FormDef> windows);

    // The loaded window; throws when it is not loaded (no touch).
    Form& form(const std::string& name);
    bool loaded(const std::string& name) const { return app.isLoaded(name); }
    bool visible(const std::string& name) const;

    // A point inside the widget where the pointer reaches it; throws when
    // the widget cannot be reached (hidden, parked, covered).
    std::pair<float, float> reachablePoint(const std::string& form, const std::string& widget);

    void click(const std::string& form, const std::string& widget);
    void clickAt(const std::string& form, float x, float y);
    void press(const std::string& form, float x, float y, int button = kLeft, bool shift = false);
    void move(const std::string& form, float x, float y, int buttons = kLeft, bool shift = false);
    void release(const std::string& form, float x, float y, int button = kLeft, bool shift = false);
    // Presses the picture, moves in steps until its top-left corner is at
    // (toLeft, toTop), releases.
    void drag(const std::string& form, const std::string& widget, float toLeft, float toTop);
    void closeBox(const std::string& form) { app.closeBox(form); }
    // A key pressed while the window has the keyboard.
    void key(const std::string& form, Key k, bool shift = false) { keyboard.keyPressed(form, k, shift); }
    void advance(long long ms) { clock.advance(ms); }

    // Cue file names played so far, without the program directory.
    std::vector<std::string> cues() const;

    RecordingPlatform platform;
    VirtualClock clock;
    Forms app;
    Keyboard keyboard{app};
};

} // namespace tallowby::testing
