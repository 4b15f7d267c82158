// The general number format the labels use: a Single shows at most 7 significant digits and a
// Double at most 15, rounded (not cut), without trailing zeros, with the locale's separator.
// Sums like 0.1 + 0.2 must not show their binary residues, while real digits must survive.
#include <gtest/gtest.h>

#include <string>

#include "runtime/NumberFormat.h"

namespace {

struct SingleCase {
    float value;
    const char* text;
};

TEST(NumberFormat, SingleKeepsSevenSignificantDigits) {
    const SingleCase cases[] = {
        {0.0f, "0"},
        {5.3f, "5,3"},
        {0.7f, "0,7"},
        {12.0f, "12"},
        {14.9f, "14,9"},
        {15.0f, "15"},
        {0.1f, "0,1"},
        {-2.5f, "-2,5"},
        {1234567.0f, "1234567"},
        {123.4567f, "123,4567"},
        {1.2345678f, "1,234568"},
        {0.0001f, "0,0001"},
        {9999999.0f, "9999999"},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::formatSingle(c.value, ','), c.text) << c.value;
}

struct DoubleCase {
    double value;
    const char* text;
};

TEST(NumberFormat, DoubleKeepsFifteenSignificantDigits) {
    const DoubleCase cases[] = {
        {0.0, "0"},
        {12.34, "12,34"},
        {111.1, "111,1"},
        {9990.0, "9990"},
        {0.30000000000000004 * 1000, "300"},  // the residue of 0.1 + 0.1 + 0.1 is hidden
        {(0.1 + 0.2) * 1000 + 0.01 * 1000, "310"},
        {9999.99, "9999,99"},
        {11.1111, "11,1111"},
        {5.300000190734863, "5,30000019073486"},  // a widened Single shows its own digits
        {123456789012345.0, "123456789012345"},
        {0.001, "0,001"},
        {-0.5, "-0,5"},
        {2.0 / 3.0, "0,666666666666667"},  // rounded, not cut
    };
    for (const auto& c : cases) EXPECT_EQ(rt::formatDouble(c.value, ','), c.text) << c.value;
}

TEST(NumberFormat, SeparatorIsTheLocalesOne) {
    EXPECT_EQ(rt::formatSingle(5.3f, '.'), "5.3");
    EXPECT_EQ(rt::formatDouble(12.34, '.'), "12.34");
    EXPECT_EQ(rt::formatDouble(1000.0, ','), "1000");  // no grouping
}

TEST(NumberFormat, ExponentOnlyOutsideThePlainRange) {
    EXPECT_EQ(rt::formatDouble(1e15, ','), "1E+15");
    EXPECT_EQ(rt::formatDouble(1.5e20, ','), "1,5E+20");
    EXPECT_EQ(rt::formatDouble(0.00001, ','), "1E-05");
    EXPECT_EQ(rt::formatSingle(12345678.0f, ','), "1,234568E+07");
    EXPECT_EQ(rt::formatDouble(-0.0, ','), "0");
    // Rounding up can add a digit and push the value into the exponent form.
    EXPECT_EQ(rt::formatDouble(999999999999999.9, ','), "1E+15");
}

}  // namespace
