// SPDX-License-Identifier: GPL-3.0-or-later
// The question deck of an activity window: the keys not yet asked in its
// parked list Quelist and the key drawn last in its parked field picktxt.
// The deck is only a view on those two widgets; it keeps nothing itself, so
// unloading the window discards the deck with it.
#pragma once

#include "app/forms/forms.h"

#include <span>
#include <string>
#include <string_view>

namespace tallowby {

// Index of the key that the random value r (0 <= r < 1) picks among n keys:
// floor(r * n) formed in single precision, so a given r picks the same key
// on every machine.
int deckIndex(float r, int n);

class QuestionDeck {
  public:
    // The deck of a loaded window that has the widgets Quelist and picktxt.
    QuestionDeck(Forms& app, Form& window);

    void clear() { keys_.clear(); }
    void add(std::string_view key) { keys_.addItem(std::string(key)); }
    void add(std::span<const std::string_view> keys);
    int count() const { return keys_.count(); }
    std::string item(int position) const { return keys_.item(position); }
    void removeAt(int position) { keys_.removeItem(position); }

    // Takes one key at random out of the deck into picktxt, using one value
    // of the program's random source. An empty deck changes nothing and uses
    // no value, so the draws after it are not shifted.
    void draw();
    const std::string& drawn() const { return drawn_.text(); }
    void forgetDrawn() { drawn_.setText(""); }

  private:
    Forms* app_;
    List keys_;
    TextField drawn_;
};

} // namespace tallowby
