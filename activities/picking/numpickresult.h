// SPDX-License-Identifier: GPL-3.0-or-later
// The results window of Number Picking. It belongs to the window set, but
// nothing in the game opens it: the activity has no last question.
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef numpickresult_definition();

} // namespace tallowby
