// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck.h"

#include <cmath>

namespace tallowby {

int deckIndex(float r, int n) {
    // Single precision on purpose: in double, r = 0.7f with ten keys would
    // pick index 6 instead of 7, and the questions of a run would change.
    const float product = r * static_cast<float>(n);
    return static_cast<int>(std::floor(product));
}

QuestionDeck::QuestionDeck(Forms& app, Form& window)
    : app_(&app), keys_(window.list("Quelist")), drawn_(window.textField("picktxt")) {}

void QuestionDeck::add(std::span<const std::string_view> keys) {
    for (std::string_view key : keys)
        add(key);
}

void QuestionDeck::draw() {
    const int n = count();
    if (n == 0) return;
    const int i = deckIndex(app_->randomFraction(), n);
    drawn_.setText(item(i));
    removeAt(i);
}

} // namespace tallowby
