// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.h"

#include "menu/about.h"
#include "menu/main_menu.h"
#include "menu/outcome_windows.h"

namespace tallowby {
namespace {

// An activity that is not built yet opens as an empty window of its own
// caption and size, so the menu's slide still has somewhere to go.
FormDef emptyWindow(const char* name, const char* caption, int width, int height) {
    FormDef f;
    f.name = name;
    f.caption = caption;
    f.width = width;
    f.height = height;
    return f;
}

} // namespace

void defineAllWindows(Forms& app) {
    app.define(main_definition());
    app.define(emptyWindow("nummatch", "Number Matching - Round", 8850, 7605));
    app.define(emptyWindow("levelup", "Level End", 7230, 2520));
    app.define(emptyWindow("MissingNum", "Putting Numbers 1-10 In Order", 8835, 7980));
    app.define(emptyWindow("message", "Message", 7215, 2520));
    app.define(emptyWindow("Sequence", "Complete The Sequence", 8850, 7995));
    app.define(emptyWindow("NumberPicking", "Picking Numbers!", 8820, 9150));
    app.define(emptyWindow("numpickresult", "Results", 7215, 2490));
    for (FormDef& f : outcome_definitions())
        app.define(std::move(f));
    app.define(About_definition());
}

} // namespace tallowby
