// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching_windows.h"

namespace tallowby {

// Not built yet: empty windows of their own caption and size, so the menu's
// slide still has somewhere to go.
void defineMatchingWindows(Forms& app) {
    app.define(window("nummatch", "Number Matching - Round", 8850, 7605));
    app.define(window("levelup", "Level End", 7230, 2520));
}

} // namespace tallowby
