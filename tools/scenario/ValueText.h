#pragma once
// Reading an expected value as written in `expect` into the kind of the value it is compared
// with, and the comparison itself: exact in the value's own type, or within a tolerance.

#include <optional>
#include <string>

#include "runtime/Value.h"
#include "tools/scenario/Tokenizer.h"

namespace scenario {

struct ExpectedValue {
    rt::Value::Kind kind = rt::Value::Kind::Integer;
    // Numbers are held in the actual value's type: integers in i, Single in f, Double in d.
    int64_t i = 0;
    float f = 0;
    double d = 0;
    bool isInteger = true;  // an integer written (or a decimal written for an integer, with a tolerance)
    // The printed form, as the runner prints values; the key of the comparison for the
    // non-numeric kinds.
    std::string text;
};

// Reads `word` as a value of the kind of `actual`. `withTolerance` allows a decimal for an
// integer. Throws LineError when the word is not a value of that kind.
ExpectedValue parseExpected(const Word& word, const rt::Value& actual, bool withTolerance);

// "~TOL": a finite, non-negative number. Throws LineError otherwise.
double parseTolerance(const Word& word);

// Whether `actual` holds `expected`: exactly, or within `tolerance` for the numeric kinds.
bool matches(const rt::Value& actual, const ExpectedValue& expected, std::optional<double> tolerance);

// Plain number readers shared with the command parser (no sign '+', no blanks, whole word).
std::optional<int64_t> readInteger(const std::string& s);
std::optional<float> readSingle(const std::string& s);
std::optional<double> readDouble(const std::string& s);

}  // namespace scenario
