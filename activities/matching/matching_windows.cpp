// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching_windows.h"

#include "levelup.h"
#include "nummatch.h"

namespace tallowby {

void defineMatchingWindows(Forms& app) {
    app.define(nummatch_definition());
    app.define(levelup_definition());
}

} // namespace tallowby
