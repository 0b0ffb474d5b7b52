#include "results_table.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// Seventeen significant digits read back as the very double; R's names for the rest.
TEST(TableNumber, SeventeenDigitsAndTheNamesOfRForTheRest) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TableNumber(nan), "NA");
    EXPECT_EQ(TableNumber(-nan), "NA");
    EXPECT_EQ(TableNumber(inf), "Inf");
    EXPECT_EQ(TableNumber(-inf), "-Inf");
    EXPECT_EQ(TableNumber(5.0), "5");
    EXPECT_EQ(TableNumber(-0.0), "-0");
    EXPECT_EQ(TableNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(TableNumber(-1.7976931348623157e308), "-1.7976931348623157e+308");
    EXPECT_EQ(TableNumber(4.9406564584124654e-324), "4.9406564584124654e-324");
}

} // namespace
