// SPDX-License-Identifier: GPL-3.0-or-later
// The number readings and writing on arbitrary bytes: never crash, the two
// readings agree, and every number written as text reads back strictly as
// exactly that number, whatever the bytes make of it.
#include "app/forms/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The shape every number text has: an optional "-", digits, an optional
// "." with digits; no blanks, no "+", no exponent.
bool wellFormed(const std::string& text) {
    std::size_t i = text.starts_with('-') ? 1 : 0, digits = 0, points = 0;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && points++ == 0 && digits > 0)
            continue;
        else
            return false;
    }
    return digits > 0 && !text.ends_with('.');
}

// Writes value as number text and reads it back both ways.
template <typename T> void roundTrip(T value) {
    if (!std::isfinite(static_cast<double>(value))) return;
    const std::string text = tallowby::numberText(value);
    if (!wellFormed(text)) std::abort();
    if ((value < 0) != text.starts_with('-')) std::abort();
    const std::optional<double> strict = tallowby::readStrict(text);
    if (!strict || static_cast<T>(*strict) != value) std::abort();
    if (static_cast<T>(tallowby::readLenient(text)) != value) std::abort();
    // Blanks around a number text do not change what it reads as strictly.
    if (tallowby::readStrict(" " + text + " ") != strict) std::abort();
}

template <typename T> T bytesAs(const std::uint8_t* data, std::size_t size) {
    T value{};
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double lenient = tallowby::readLenient(text);
    if (auto strict = tallowby::readStrict(text)) {
        // A whole number text reads the same leniently.
        if (!(*strict == lenient || (std::isnan(*strict) && std::isnan(lenient)))) std::abort();
        // And writing it back gives a text that reads back the same.
        if (std::isfinite(*strict) && tallowby::readStrict(tallowby::numberText(*strict)) != *strict)
            std::abort();
    }
    // The same bytes taken as numbers: the captions' integers, the handlers'
    // single-precision positions, and any double.
    roundTrip(bytesAs<int>(data, size));
    roundTrip(bytesAs<float>(data, size));
    roundTrip(bytesAs<double>(data, size));
    return 0;
}
