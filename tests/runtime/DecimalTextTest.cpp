// Decimal text of floating-point numbers: the fallback used where the library has no
// floating-point std::to_chars / std::from_chars must give exactly what the standard functions
// give (the scenario runner prints "the shortest decimal that reads back" and compares texts),
// and neither it nor the student's number format may follow the C library's locale.
#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

#include "runtime/DecimalText.h"
#include "runtime/NumberFormat.h"

namespace {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

template <class T>
std::string standardShortest(T v) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

template <class T>
void expectSameAsStandard(T v) {
    const std::string text = standardShortest(v);
    ASSERT_EQ(rt::fallback::shortestText(v), text) << "bits of a " << sizeof(T) << "-byte value";
    T standard{};
    std::from_chars(text.data(), text.data() + text.size(), standard);
    std::optional<T> read;
    if constexpr (sizeof(T) == sizeof(float))
        read = rt::fallback::readFloat(text);
    else
        read = rt::fallback::readDouble(text);
    ASSERT_TRUE(read.has_value()) << text;
    if (std::isnan(standard))
        EXPECT_TRUE(std::isnan(*read)) << text;
    else
        ASSERT_EQ(*read, standard) << text;
}

template <class T, class Bits>
T fromBits(Bits b) {
    T v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// Random bit patterns cover every exponent evenly; the rest are the edges of the algorithms:
// subnormals, powers of two (where the gap below is half the gap above) and of ten, halfway
// decimals, and the largest and smallest of each type.
TEST(DecimalText, FallbackShortestTextAndReadingMatchTheStandardOnes) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 40000; ++i) {
        expectSameAsStandard(fromBits<double>(random()));
        expectSameAsStandard(fromBits<float>(static_cast<uint32_t>(random())));
    }
    for (int e = -1074; e <= 1023; ++e) {
        expectSameAsStandard(std::ldexp(1.0, e));
        expectSameAsStandard(std::nextafter(std::ldexp(1.0, e), 0.0));
        expectSameAsStandard(-std::nextafter(std::ldexp(1.0, e), std::numeric_limits<double>::infinity()));
    }
    for (int e = -149; e <= 127; ++e) {
        expectSameAsStandard(std::ldexp(1.0f, e));
        expectSameAsStandard(std::nextafter(std::ldexp(1.0f, e), 0.0f));
    }
    for (int e = -320; e <= 308; ++e) {
        expectSameAsStandard(std::pow(10.0, e));
        expectSameAsStandard(std::strtod(("5e" + std::to_string(e)).c_str(), nullptr));
        expectSameAsStandard(static_cast<float>(std::pow(10.0, e % 46)));
    }
    for (uint32_t m = 1; m < 4000; ++m) {  // small subnormals and decimals like 0.125, 2.5
        expectSameAsStandard(fromBits<double>(static_cast<uint64_t>(m)));
        expectSameAsStandard(fromBits<float>(m));
        expectSameAsStandard(m / 8.0);
        expectSameAsStandard(static_cast<float>(m) / 1000.0f);
    }
    for (double v : {0.0, -0.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN(), 123456789012345680000.0, 1e21, 1e22, 1e23})
        expectSameAsStandard(v);
    expectSameAsStandard(std::numeric_limits<float>::max());
    expectSameAsStandard(std::numeric_limits<float>::denorm_min());
}

// The precisions the student's number format asks for (7 and 15 significant digits), and more.
TEST(DecimalText, FallbackScientificTextMatchesTheStandardOne) {
    std::mt19937_64 random(7);
    char buf[128];
    for (int i = 0; i < 20000; ++i) {
        const double v =
            i % 2 ? fromBits<double>(random()) : static_cast<double>(fromBits<float>(uint32_t(random())));
        if (!std::isfinite(v)) continue;
        for (int precision : {0, 6, 14, 16, 20}) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
            ASSERT_EQ(rt::fallback::scientificText(v, precision), std::string(buf, r.ptr)) << precision;
        }
    }
    // Halfway cases: exactly representable, so the rounding rule decides (to even).
    for (double v : {0.5, 1.5, 2.5, 0.125, 0.375, 1.25e-3, 2.5e10, 1e23, 9.5, 10.5})
        for (int precision : {0, 1, 2}) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
            EXPECT_EQ(rt::fallback::scientificText(v, precision), std::string(buf, r.ptr)) << v;
        }
}

#endif

// The reading refuses what std::from_chars refuses: the scenario runner reports these as errors.
TEST(DecimalText, ReadingRefusesWhatIsNotAWholeNumberInRange) {
    for (const char* bad : {"", "-", ".", "e5", "1e", "1e+", "+1", " 1", "1 ", "1,5", "0x10", "1.5.2", "--1",
                            "1e400", "-1e400", "1e-400", "infx", "1f"}) {
        EXPECT_FALSE(rt::fallback::readDouble(bad).has_value()) << bad;
        EXPECT_FALSE(rt::readDouble(bad).has_value()) << bad;
    }
    EXPECT_FALSE(rt::fallback::readFloat("1e39").has_value());
    EXPECT_EQ(rt::fallback::readDouble("-0").value(), 0.0);
    EXPECT_EQ(rt::fallback::readDouble(".5").value(), 0.5);
    EXPECT_EQ(rt::fallback::readDouble("5.").value(), 5.0);
    EXPECT_EQ(rt::fallback::readDouble("4.9e-324").value(), std::ldexp(1.0, -1074));
    EXPECT_TRUE(std::isinf(rt::fallback::readDouble("-INF").value()));
}

// A directory of locales made with localedef, for the C library to find through LOCPATH.
class GeneratedLocales : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::filesystem::temp_directory_path() / ("vorlinde-locales-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        for (const char* name : {"fr_FR", "de_DE"}) {
            const std::string cmd = "localedef -i " + std::string(name) + " -f UTF-8 '" + dir_.string() +
                                    "/" + name + ".UTF-8' >/dev/null 2>&1";
            generated_ = generated_ && std::system(cmd.c_str()) == 0;
        }
        ::setenv("LOCPATH", dir_.c_str(), 1);
    }
    static void TearDownTestSuite() {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // Sets the process's C locale to `name`, checking that it really puts a comma in numbers.
    static void useLocale(const char* name) {
        ASSERT_TRUE(generated_) << "localedef could not make the locales (Debian package 'locales')";
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 5.3);
        ASSERT_STREQ(buf, "5,3") << "the locale is not in force";
    }

    static inline std::filesystem::path dir_;
    static inline bool generated_ = true;
};

// A French or German desktop sets LC_NUMERIC with a comma; the captions take their separator
// only from the user's locale as the model is told it, and the runner's texts keep a point.
TEST_F(GeneratedLocales, FormattingAndReadingIgnoreTheCLibraryLocale) {
    for (const char* name : {"fr_FR.UTF-8", "de_DE.UTF-8"}) {
        useLocale(name);
        EXPECT_EQ(rt::formatDouble(5000, ','), "5000") << name;
        EXPECT_EQ(rt::formatDouble(10, ','), "10") << name;
        EXPECT_EQ(rt::formatDouble(12.34, ','), "12,34") << name;
        EXPECT_EQ(rt::formatSingle(5.3f, ','), "5,3") << name;
        EXPECT_EQ(rt::formatSingle(0.5f, '.'), "0.5") << name;
        EXPECT_EQ(rt::formatDouble(1.5e20, ','), "1,5E+20") << name;
        for (const bool useFallback : {false, true}) {
            const auto shortest = [&](auto v) {
                return useFallback ? rt::fallback::shortestText(v) : rt::shortestText(v);
            };
            const auto read = [&](const char* s) {
                return useFallback ? rt::fallback::readDouble(s) : rt::readDouble(s);
            };
            EXPECT_EQ(shortest(0.5), "0.5") << name;
            EXPECT_EQ(shortest(5.3f), "5.3") << name;
            EXPECT_EQ(read("5.3").value_or(0), 5.3) << name;
            EXPECT_FALSE(read("5,3").has_value()) << name;
            EXPECT_EQ(rt::fallback::scientificText(1234.5, 3), "1.234e+03") << name;
        }
    }
}

}  // namespace
