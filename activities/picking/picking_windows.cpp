// SPDX-License-Identifier: GPL-3.0-or-later
#include "picking_windows.h"

#include "number_picking.h"
#include "numpickresult.h"

namespace tallowby {

void definePickingWindows(Forms& app) {
    app.define(NumberPicking_definition());
    app.define(numpickresult_definition());
}

} // namespace tallowby
