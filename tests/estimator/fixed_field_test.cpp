#include "fixed_field.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

TEST(FixedField, WritesLikePrintfAndRightAligns) {
    EXPECT_EQ(FixedField(0.16, 12, 7), "   0.1600000");
    EXPECT_EQ(FixedField(-0.035172, 12, 7), "  -0.0351720");
    EXPECT_EQ(FixedField(18.49, 8, 0), "      18");
    EXPECT_EQ(FixedField(50.0, 6, 1), "  50.0");
    EXPECT_EQ(FixedField(123456789.0, 6, 0), "123456789");
    // Exact ties of the binary value round as the C library rounds them, to even.
    EXPECT_EQ(FixedField(12.5, 6, 0), "    12");
    EXPECT_EQ(FixedField(13.5, 6, 0), "    14");
}

// Against printf itself on values of every size the report meets, halves of the last decimal
// (exact ties and the doubles beside them) among them.
TEST(FixedField, AgreesWithPrintfOnRandomValues) {
    std::mt19937_64 random(22102007);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int trial = 0; trial < 200000; ++trial) {
        const int decimals = std::array{0, 1, 6, 7}[trial % 4];
        double value = std::pow(10.0, exponent(random)) * (random() % 2 == 0 ? 1 : -1);
        if (trial % 3 == 0) {
            value =
                std::nextafter((std::floor(value * 1e3) + 0.5) / 1e3, random() % 2 ? 1e9 : -1e9);
        } else if (trial % 3 == 1) {
            value = (static_cast<double>(random() % 100000) + 0.5) / 2.0;
        }
        const int width = std::array{6, 8, 12}[trial % 3];
        std::array<char, 400> printed;
        std::snprintf(printed.data(), printed.size(), "%*.*f", width, decimals, value);
        ASSERT_EQ(FixedField(value, width, decimals), printed.data()) << value;
    }
}

TEST(FixedField, FieldsOfAnyLengthAreWrittenWhole) {
    EXPECT_EQ(FixedField(1e70, 8, 0),
              "10000000000000000725314363815292351261583744096465219555182101554790400");
    EXPECT_EQ(FixedField(-1e60, 12, 7),
              "-999999999999999949387135297074018866963645011013410073083904.0000000");
    EXPECT_EQ(FixedField(0.5, 70, 1), std::string(67, ' ') + "0.5");
}

TEST(FixedField, NonFiniteValuesHaveNoSignOnNan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FixedField(nan, 12, 7), "         nan");
    EXPECT_EQ(FixedField(-nan, 12, 7), "         nan");
    EXPECT_EQ(FixedField(0.0 / std::sin(0.0), 8, 0), "     nan");
    EXPECT_EQ(FixedField(inf, 8, 0), "     inf");
    EXPECT_EQ(FixedField(-inf, 8, 0), "    -inf");
    EXPECT_EQ(FixedField(-nan, 0, 6), "nan");
}

TEST(FixedField, TextAndIntegersRightAligned) {
    EXPECT_EQ(TextField("Loc1", 10), "      Loc1");
    EXPECT_EQ(TextField("A_very_long_name", 10), "A_very_long_name");
    EXPECT_EQ(IntegerField(5, 4), "   5");
    EXPECT_EQ(IntegerField(-12345, 4), "-12345");
}

} // namespace
