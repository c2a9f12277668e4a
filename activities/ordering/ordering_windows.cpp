// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordering_windows.h"

#include "message.h"
#include "missing_num.h"

namespace tallowby {

void defineOrderingWindows(Forms& app) {
    app.define(MissingNum_definition());
    app.define(message_definition());
}

} // namespace tallowby
