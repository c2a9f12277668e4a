// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/forms/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tallowby {
namespace {

TEST(NumberText, WritesTheShortestFormWithALeadingMinus) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {8, "8"},       {-63, "-63"}, {0, "0"},         {-0.0, "0"},
        {1900, "1900"}, {0.5, "0.5"}, {-2.25, "-2.25"}, {1e6, "1000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(c.value), c.text) << c.value;
    EXPECT_EQ(numberText(0.1f), "0.1") << "single precision values keep their own shortest form";
    EXPECT_EQ(numberText(-7), "-7");
}

TEST(NumberText, LenientReadingTakesTheLongestLeadingNumberElseZero) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"8", 8},   {"  -63", -63}, {"\t12abc", 12}, {"7 8", 7},      {"", 0},   {"abc", 0},
        {"-", 0},   {".", 0},       {"-.5", -0.5},   {"3.25x", 3.25}, {"+4", 4}, {"5.", 5},
        {"1e3", 1}, {" - 3", 0},    {"0012", 12},    {"--3", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLenient(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, StrictReadingAcceptsOnlyAWholeNumberText) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"8", 8},
        {" -63 ", -63},
        {"\t2.5\t", 2.5},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"7 8", std::nullopt},
        {"12abc", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {"1e3", std::nullopt},
        {"+4", 4},
        {"0", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readStrict(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, EveryWrittenNumberReadsBackTheSameBothWays) {
    for (int n = -100; n <= 100; ++n) {
        std::string text = numberText(n);
        EXPECT_EQ(readLenient(text), n);
        EXPECT_EQ(readStrict(text), n);
    }
    for (float f : {0.25f, -1.5f, 1234.5f, 8800.0f})
        EXPECT_EQ(static_cast<float>(readLenient(numberText(f))), f);
}

TEST(NumberText, AHugeDigitRunReadsAsInfinityNotAsACrash) {
    std::string digits(400, '9');
    EXPECT_TRUE(std::isinf(readLenient(digits)));
    EXPECT_TRUE(readStrict(digits).has_value());
}

} // namespace
} // namespace tallowby
