// Printed forms of values: the scenario files compare against exactly these.
#include <gtest/gtest.h>

#include "runtime/Value.h"
#include "runtime/Variables.h"

namespace {

TEST(ValueText, NumbersPrintShortestRoundTrip) {
    EXPECT_EQ(rt::Value::single(5.3f).text(), "5.3");
    EXPECT_EQ(rt::Value::single(-33.10603f).text(), "-33.10603");
    EXPECT_EQ(rt::Value::dbl(static_cast<double>(5.3f)).text(), "5.300000190734863");
    EXPECT_EQ(rt::Value::dbl(0.1 + 0.2).text(), "0.30000000000000004");
    EXPECT_EQ(rt::Value::dbl(1e-8).text(), "1e-08");
    EXPECT_EQ(rt::Value::integer(-1).text(), "-1");
}

TEST(ValueText, OtherKinds) {
    EXPECT_EQ(rt::Value::string("say \"hi\"").text(), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(rt::Value::boolean(true).text(), "true");
    EXPECT_EQ(rt::Value::pointer({}).text(), "default");
    EXPECT_EQ(rt::Value::picture({}).text(), "none");
    const rt::PictureList l("Imapoint", {{32, 32}, {32, 32}});
    EXPECT_EQ(rt::Value::pointer({&l, 2}).text(), "Imapoint:2");
    EXPECT_EQ(rt::Value::color(rt::Color::rgb(0, 255, 0)).text(), "rgb(0,255,0)");
    EXPECT_EQ(rt::Value::windowState(rt::WindowState::Maximized).text(), "maximized");
}

TEST(VariablesByName, ReadLiveValuesWithArrayBounds) {
    rt::Variables v;
    int16_t cran = 3;
    std::array<int32_t, 4> crans{1, 2, 3, 4};
    v.add("CranGros", cran);
    v.addArray("CranR", crans, 1);
    rt::Value out;
    ASSERT_TRUE(v.read("CranGros", 0, false, out));
    EXPECT_EQ(out.text(), "3");
    cran = 7;
    ASSERT_TRUE(v.read("CranGros", 0, false, out));
    EXPECT_EQ(out.text(), "7");
    ASSERT_TRUE(v.read("CranR", 4, true, out));
    EXPECT_EQ(out.text(), "4");
    EXPECT_FALSE(v.read("CranR", 0, true, out));   // below the lower bound
    EXPECT_FALSE(v.read("CranR", 5, true, out));   // above
    EXPECT_FALSE(v.read("CranR", 0, false, out));  // an array needs its index
    EXPECT_FALSE(v.read("Nothing", 0, false, out));
}

}  // namespace
