// SPDX-License-Identifier: GPL-3.0-or-later
#include "picking_windows.h"

namespace tallowby {

// Not built yet: empty windows of their own caption and size, so the menu's
// slide still has somewhere to go.
void definePickingWindows(Forms& app) {
    app.define(window("NumberPicking", "Picking Numbers!", 8820, 9150));
    app.define(window("numpickresult", "Results", 7215, 2490));
}

} // namespace tallowby
