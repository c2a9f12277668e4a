// SPDX-License-Identifier: GPL-3.0-or-later
// Number Matching: a red numeral above five dot tiles, five progress lights,
// two rounds of five questions.
#pragma once

#include "app/forms/forms.h"

#include <array>
#include <string_view>

namespace tallowby {

// Question keys of each round, the key asking for numeral N at N - 1.
inline constexpr std::array<std::string_view, 5> kRound1Keys{"1", "2", "3", "4", "5"};
inline constexpr std::array<std::string_view, 5> kRound2Keys{"1r2", "2r2", "3r2", "4r2", "5r2"};

FormDef nummatch_definition();

// Draw a key and set up its question with the round-1 or round-2 dot tiles.
void nummatch_PickQuestion(Forms& app);
void nummatch_PickQuestionR2(Forms& app);
// Every progress light grey.
void nummatch_QuestLights(Forms& app);
// The title names the round held in roundtxt.
void nummatch_NameRound(Forms& app);

} // namespace tallowby
