// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef main_definition();
// Unloads every loaded window whose name differs from keep's.
void main_UnloadAllForms(Forms& app, const std::string& keep);

} // namespace tallowby
