// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.h"

#include "activities/matching/matching_windows.h"
#include "activities/ordering/ordering_windows.h"
#include "activities/picking/picking_windows.h"
#include "activities/sequence/sequence_windows.h"
#include "menu/about.h"
#include "menu/main_menu.h"
#include "menu/outcome_windows.h"

namespace tallowby {

void defineAllWindows(Forms& app) {
    app.define(main_definition());
    defineMatchingWindows(app);
    defineOrderingWindows(app);
    defineSequenceWindows(app);
    definePickingWindows(app);
    for (FormDef& f : outcome_definitions())
        app.define(std::move(f));
    app.define(About_definition());
}

} // namespace tallowby
