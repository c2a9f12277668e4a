// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequence_windows.h"

#include "sequence.h"

namespace tallowby {

void defineSequenceWindows(Forms& app) {
    app.define(Sequence_definition());
}

} // namespace tallowby
