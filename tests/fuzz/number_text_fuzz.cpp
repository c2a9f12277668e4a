// SPDX-License-Identifier: GPL-3.0-or-later
// Both readings on arbitrary bytes: never crash, and agree with each other.
#include "app/forms/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    double lenient = tallowby::readLenient(text);
    if (auto strict = tallowby::readStrict(text)) {
        // A whole number text reads the same leniently.
        if (!(*strict == lenient || (std::isnan(*strict) && std::isnan(lenient)))) std::abort();
        // And writing it back gives a text that reads back the same.
        if (std::isfinite(*strict) && tallowby::readStrict(tallowby::numberText(*strict)) != *strict)
            std::abort();
    }
    return 0;
}
