// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence_windows.h"

namespace tallowby {

// Not built yet: empty windows of their own caption and size, so the menu's
// slide still has somewhere to go.
void defineSequenceWindows(Forms& app) {
    app.define(window("Sequence", "Complete The Sequence", 8850, 7995));
}

} // namespace tallowby
