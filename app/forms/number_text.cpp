// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tallowby {
namespace {

template <typename T> std::string shortest(T value) {
    if (value == 0) return "0"; // also folds -0 into "0"
    // Fixed notation: captions never show exponents. Room for the largest double.
    std::array<char, 512> buffer{};
    auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buffer.data(), end);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the number at the start of text: optional sign, digits, optional
// "." and digits; at least one digit. Exponents are not numbers here.
std::size_t numberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t afterPoint = i + 1, fraction = 0;
        while (afterPoint < text.size() && text[afterPoint] >= '0' && text[afterPoint] <= '9')
            ++afterPoint, ++fraction;
        if (digits + fraction > 0) {
            i = afterPoint;
            digits += fraction;
        }
    }
    return digits > 0 ? i : 0;
}

double parse(std::string_view number) {
    // from_chars takes no leading '+'.
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    auto [ptr, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        value = HUGE_VAL;
    else if (ec != std::errc{})
        value = 0;
    return negative ? -value : value;
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

} // namespace

std::string numberText(double value) {
    return shortest(value);
}
std::string numberText(float value) {
    return shortest(value);
}
std::string numberText(int value) {
    return std::to_string(value);
}

double readLenient(std::string_view text) {
    text = trimLeft(text);
    return parse(text.substr(0, numberLength(text)));
}

std::optional<double> readStrict(std::string_view text) {
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t length = numberLength(text);
    if (length == 0 || length != text.size()) return std::nullopt;
    return parse(text);
}

} // namespace tallowby
