// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_windows.h"

namespace tallowby {

// Not built yet: empty windows of their own caption and size, so the menu's
// slide still has somewhere to go.
void defineOrderingWindows(Forms& app) {
    app.define(window("MissingNum", "Putting Numbers 1-10 In Order", 8835, 7980));
    app.define(window("message", "Message", 7215, 2520));
}

} // namespace tallowby
