// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

#include <vector>

namespace tallowby {

// info, info2 and info3: a panel stating one curriculum outcome and "Close".
std::vector<FormDef> outcome_definitions();

} // namespace tallowby
