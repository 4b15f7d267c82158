// Expected values are read into the kind of the value they are compared with, and compared
// in that kind: a Single as a float, a Double as a double, so a Single that prints 5.3 is
// not the double 5.3. Text that is not a value of that kind must stop the file.

#include <gtest/gtest.h>

#include "runtime/PictureList.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/ValueText.h"

using rt::Value;
using scenario::LineError;
using scenario::matches;
using scenario::parseExpected;
using scenario::parseTolerance;
using scenario::Word;

namespace {

Word bare(const char* s) {
    return Word{s, false};
}
Word quoted(const char* s) {
    return Word{s, true};
}

bool holds(const Value& actual, const Word& w, std::optional<double> tol = std::nullopt) {
    return matches(actual, parseExpected(w, actual, tol.has_value()), tol);
}

const rt::PictureList kBtnGene("BtnGene", std::vector<rt::PictureInfo>(8, rt::PictureInfo{10, 10, 0, 0}));
const rt::PictureList kImapoint("Imapoint", std::vector<rt::PictureInfo>(12, rt::PictureInfo{32, 32, 0, 0}));

}  // namespace

TEST(ValueText, IntegersAndFlagsCompareExactly) {
    EXPECT_TRUE(holds(Value::integer(27), bare("27")));
    EXPECT_TRUE(holds(Value::integer(-1), bare("-1")));  // a flag that is true
    EXPECT_FALSE(holds(Value::integer(0), bare("-1")));
    EXPECT_FALSE(holds(Value::integer(-50), bare("50")));
}

TEST(ValueText, AnIntegerIsNotWrittenAsADecimalUnlessWithATolerance) {
    EXPECT_THROW(parseExpected(bare("5.0"), Value::integer(5), false), LineError);
    EXPECT_THROW(parseExpected(bare("true"), Value::integer(-1), false), LineError);
    EXPECT_TRUE(holds(Value::integer(20), bare("19.5"), 0.5));
    EXPECT_FALSE(holds(Value::integer(20), bare("19.4"), 0.5));
}

TEST(ValueText, SingleComparesAsFloat) {
    // 5.3 read as a float is the float the program stored; as a double it would differ.
    EXPECT_TRUE(holds(Value::single(5.3f), bare("5.3")));
    EXPECT_TRUE(holds(Value::single(-33.10603f), bare("-33.10603")));
    EXPECT_TRUE(holds(Value::single(5.0f), bare("5")));
    EXPECT_FALSE(holds(Value::single(5.3f), bare("5.31")));
    // The printed form is the shortest decimal that reads back as the same float.
    EXPECT_EQ(parseExpected(bare("5.30000"), Value::single(0), false).text, "5.3");
}

TEST(ValueText, DoubleComparesAsDouble) {
    EXPECT_TRUE(holds(Value::dbl(static_cast<double>(5.3f)), bare("5.300000190734863")));
    EXPECT_FALSE(holds(Value::dbl(static_cast<double>(5.3f)), bare("5.3")));
    EXPECT_TRUE(holds(Value::dbl(0.1 + 0.2), bare("0.30000000000000004")));
    EXPECT_FALSE(holds(Value::dbl(0.1 + 0.2), bare("0.3")));
    EXPECT_TRUE(holds(Value::dbl(0.001), bare("1e-3")));
}

TEST(ValueText, ToleranceBoundsTheDifferenceInclusively) {
    EXPECT_TRUE(holds(Value::dbl(46051.7), bare("46052"), 0.5));
    EXPECT_FALSE(holds(Value::dbl(46051.4), bare("46052"), 0.5));
    EXPECT_TRUE(holds(Value::dbl(0.1 + 0.2), bare("0.3"), 1e-12));
    EXPECT_TRUE(holds(Value::single(5.3f), bare("5.3"), 0.0));
    EXPECT_EQ(parseTolerance(bare("~0.01")), 0.01);
    EXPECT_THROW(parseTolerance(bare("0.01")), LineError);
    EXPECT_THROW(parseTolerance(bare("~")), LineError);
    EXPECT_THROW(parseTolerance(bare("~-1")), LineError);
    EXPECT_THROW(parseTolerance(quoted("~1")), LineError);
}

TEST(ValueText, NumbersRejectNonNumbers) {
    for (const char* s : {"5,3", "", "abc", "+5", "5 ", "inf", "nan", "0x10"}) {
        EXPECT_THROW(parseExpected(bare(s), Value::dbl(0), false), LineError) << s;
        EXPECT_THROW(parseExpected(bare(s), Value::single(0), false), LineError) << s;
    }
    EXPECT_THROW(parseExpected(quoted("5"), Value::dbl(5), false), LineError);
    EXPECT_THROW(parseExpected(bare("1e40"), Value::single(0), false), LineError);
}

TEST(ValueText, StringsAreQuotedAndExact) {
    EXPECT_TRUE(holds(Value::string("5,3 V"), quoted("5,3 V")));
    EXPECT_TRUE(holds(Value::string("0 "), quoted("0 ")));
    EXPECT_FALSE(holds(Value::string("0 "), quoted("0")));
    EXPECT_TRUE(holds(Value::string("say \"hi\""), quoted("say \"hi\"")));
    EXPECT_TRUE(holds(Value::string(""), quoted("")));
    EXPECT_THROW(parseExpected(bare("DB"), Value::string("DB"), false), LineError);
    EXPECT_EQ(parseExpected(quoted("a\"b"), Value::string(""), false).text, "\"a\\\"b\"");
}

TEST(ValueText, BooleansAndWindowStatesAreWords) {
    EXPECT_TRUE(holds(Value::boolean(true), bare("true")));
    EXPECT_FALSE(holds(Value::boolean(false), bare("true")));
    EXPECT_THROW(parseExpected(bare("-1"), Value::boolean(true), false), LineError);
    EXPECT_THROW(parseExpected(quoted("true"), Value::boolean(true), false), LineError);
    EXPECT_TRUE(holds(Value::windowState(rt::WindowState::Maximized), bare("maximized")));
    EXPECT_FALSE(holds(Value::windowState(rt::WindowState::Normal), bare("minimized")));
    EXPECT_THROW(parseExpected(bare("maximised"), Value::windowState(rt::WindowState::Normal), false),
                 LineError);
}

TEST(ValueText, PicturesByListAndNumber) {
    const Value six = Value::picture({&kBtnGene, 6});
    EXPECT_TRUE(holds(six, bare("BtnGene:6")));
    EXPECT_TRUE(holds(six, bare("BtnGene:06")));
    EXPECT_FALSE(holds(six, bare("BtnGene:5")));
    EXPECT_FALSE(holds(six, bare("ImaMenu:6")));
    EXPECT_FALSE(holds(six, bare("none")));
    EXPECT_TRUE(holds(Value::picture({}), bare("none")));
    for (const char* s : {"BtnGene", "BtnGene:", ":6", "BtnGene:0", "BtnGene:x", "default"})
        EXPECT_THROW(parseExpected(bare(s), six, false), LineError) << s;
}

TEST(ValueText, PointersAreDefaultOrACursorPicture) {
    EXPECT_TRUE(holds(Value::pointer({}), bare("default")));
    EXPECT_FALSE(holds(Value::pointer({&kImapoint, 3}), bare("default")));
    EXPECT_TRUE(holds(Value::pointer({&kImapoint, 3}), bare("Imapoint:3")));
    EXPECT_FALSE(holds(Value::pointer({}), bare("Imapoint:3")));
    EXPECT_THROW(parseExpected(bare("none"), Value::pointer({}), false), LineError);
}

TEST(ValueText, ColoursAreRgbTriples) {
    const Value green = Value::color(rt::Color::rgb(0, 255, 0));
    EXPECT_TRUE(holds(green, bare("rgb(0,255,0)")));
    EXPECT_FALSE(holds(green, bare("rgb(0,255,1)")));
    for (const char* s :
         {"rgb(0,255)", "rgb(0,256,0)", "rgb(0,-1,0)", "rgb(0,255,0,0)", "(0,255,0)", "rgb(0,,0)"})
        EXPECT_THROW(parseExpected(bare(s), green, false), LineError) << s;
}
