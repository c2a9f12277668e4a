// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/forms/forms.h"

namespace tallowby {

FormDef About_definition();
// The two credit captions, built from the addresses in web_addresses.h.
std::string About_makerCredit();
std::string About_soundCredit();

} // namespace tallowby
