// SPDX-License-Identifier: GPL-3.0-or-later
// Number Picking: a numeral on the trunk, apples dragged into a box, the
// count beside the numeral, and Play Again for a new number.
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef NumberPicking_definition();

// Play Again: the window unloaded and shown again, with a new number.
void NumberPicking_Image6_Click(Forms& app);

// Hide the results panel and Play Again.
void NumberPicking_HideResults(Forms& app);
// Every apple to its home in the tree; visibility unchanged.
void NumberPicking_AppleFormPlace(Forms& app);
// The ten trunk tiles on their spot, all hidden.
void NumberPicking_SmallNumberPlacement(Forms& app);
// Draw a key and show its numeral on the trunk.
void NumberPicking_PickQuestion(Forms& app);

} // namespace tallowby
