// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

// Defines every window of the game; the program and the tests share this list.
void defineAllWindows(Forms& app);

} // namespace tallowby
