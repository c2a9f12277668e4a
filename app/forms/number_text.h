// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers kept in captions and text fields are stored as text; these are the
// three conversions every handler uses to write and read them back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallowby {

// Shortest decimal form, "-" for negatives, no blanks: "8", "-63", "0.5".
std::string numberText(double value);
std::string numberText(float value);
std::string numberText(int value);

// Skips leading blanks and reads the longest leading number (sign, digits,
// optional decimal part); text that does not start with a number reads as 0.
double readLenient(std::string_view text);

// The whole text, apart from surrounding blanks, must be a number.
std::optional<double> readStrict(std::string_view text);

} // namespace tallowby
