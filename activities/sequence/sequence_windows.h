// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

void defineSequenceWindows(Forms& app);

} // namespace tallowby
