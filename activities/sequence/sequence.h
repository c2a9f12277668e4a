// SPDX-License-Identifier: GPL-3.0-or-later
// Complete The Sequence: a question about a number shown as a tile of
// squares, four numeral tiles to choose from, a banner for three seconds,
// then the next question; five of the six questions in each visit.
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef Sequence_definition();

// Parks every quantity and numeral tile; each keeps its visibility.
void Sequence_bignumberplacement(Forms& app);
// Draws a key and sets up its question. The draw that takes the last key
// closes the window in the same call, so that question is never seen.
void Sequence_PickQuestion(Forms& app);

} // namespace tallowby
