// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef message_definition();

} // namespace tallowby
