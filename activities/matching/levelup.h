// SPDX-License-Identifier: GPL-3.0-or-later
// The level-end window of Number Matching: "Next Level" after round 1, the
// completion panel after round 2, "Back To Menu" after either.
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef levelup_definition();

} // namespace tallowby
