// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold between any two events, however wildly the game is played.
// Each rule is one that only a real fault breaks: the game's quirks (two
// slides sharing the countdown, a question passing unanswered) keep them all.
#pragma once

#include "app/forms/forms.h"

#include <string>
#include <vector>

namespace tallowby::testing {

// The rules that the game's present state breaks, each as one line naming
// the window and the widgets; empty when all hold. Reads only: it never
// touches (and so never loads) a window.
std::vector<std::string> brokenInvariants(const Forms& app);

} // namespace tallowby::testing
