// The frequency file's fields: frequencies to 4 decimals with an exact half rounded up, and the
// locus names written as one word.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "frequency_writer.h"
#include "run_state.h"

namespace {

__extension__ typedef unsigned __int128 Wide;

// The field as exact arithmetic gives it: the double's exact binary value times 10000, plus one
// half, cut to a whole number, printed with 4 decimals in 6 characters.
std::string ExactField(double frequency) {
    int exponent = 0;
    const double fraction = std::frexp(frequency, &exponent);
    const auto mantissa = static_cast<Wide>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent; // frequency = mantissa / 2^shift
    const Wide rounded = (mantissa * 20000 + (Wide{1} << shift)) >> (shift + 1);
    const auto whole = static_cast<unsigned>(rounded / 10000);
    const auto decimals = static_cast<unsigned>(rounded % 10000);
    char field[16];
    std::snprintf(field, sizeof field, "%u.%04u", whole, decimals);
    const std::string text = field;
    return std::string(6 - std::min<std::size_t>(6, text.size()), ' ') + text;
}

TEST(ConverterWriterRounding, WorkedFrequencies) {
    EXPECT_EQ(FrequencyField(1.0 / 32), "0.0313");  // an exact half, rounded up
    EXPECT_EQ(FrequencyField(3.0 / 160), "0.0187"); // its double lies just below the half
    EXPECT_EQ(FrequencyField(3.0 / 32), "0.0938");
    EXPECT_EQ(FrequencyField(29.0 / 32), "0.9063");
    EXPECT_EQ(FrequencyField(31.0 / 32), "0.9688");
    EXPECT_EQ(FrequencyField(5.0 / 32), "0.1563");
    EXPECT_EQ(FrequencyField(1.0 / 12), "0.0833");
    EXPECT_EQ(FrequencyField(1.0 / 3), "0.3333");
    EXPECT_EQ(FrequencyField(2.0 / 3), "0.6667");
    EXPECT_EQ(FrequencyField(0.5), "0.5000");
    EXPECT_EQ(FrequencyField(0.0), "0.0000");
    EXPECT_EQ(FrequencyField(1.0), "1.0000");
    EXPECT_EQ(FrequencyField(1.0 / 32767), "0.0000");
}

TEST(ConverterWriterRounding, EveryRatioOfCountsAgreesWithExactArithmetic) {
    for (int total = 1; total <= 400; ++total) {
        for (int count = 0; count <= total; ++count) {
            const double frequency = static_cast<double>(count) / total;
            ASSERT_EQ(FrequencyField(frequency),
                      frequency == 0.0 ? "0.0000" : ExactField(frequency))
                << count << "/" << total;
        }
    }
    std::mt19937 random(20260107);
    std::uniform_int_distribution<int> totals(1, 32767);
    for (int i = 0; i < 100000; ++i) {
        const int total = totals(random);
        const int count = std::uniform_int_distribution<int>(1, total)(random);
        const double frequency = static_cast<double>(count) / total;
        ASSERT_EQ(FrequencyField(frequency), ExactField(frequency)) << count << "/" << total;
    }
}

TEST(ConverterWriterRounding, RatiosOfWholeCountsAreWrittenAsTheirDoubles) {
    const auto agrees = [](int count, int total) {
        const double frequency = total == 0 ? 0.0 : static_cast<double>(count) / total;
        return RatioField(count, total) == FrequencyField(frequency);
    };
    for (int total = 0; total <= 2000; ++total) {
        for (int count = 0; count <= total; ++count) {
            ASSERT_TRUE(agrees(count, total)) << count << "/" << total;
        }
    }
    // Exact halves whose doubles lie on either side of them, dyadic halves, the largest totals,
    // and counts the tallies never give (taken through the double).
    for (const auto& [count, total] : std::vector<std::pair<int, int>>{{1, 20000},
                                                                       {3, 20000},
                                                                       {7, 20000},
                                                                       {1, 32},
                                                                       {3, 160},
                                                                       {9, 32000},
                                                                       {1, 32767},
                                                                       {32766, 32767},
                                                                       {16384, 32767},
                                                                       {-1, 4},
                                                                       {5, 4},
                                                                       {0, 0}}) {
        EXPECT_TRUE(agrees(count, total)) << count << "/" << total;
    }
    std::mt19937 random(7041);
    std::uniform_int_distribution<int> totals(2001, 32767);
    for (int i = 0; i < 200000; ++i) {
        const int total = totals(random);
        const int count = std::uniform_int_distribution<int>(0, total)(random);
        ASSERT_TRUE(agrees(count, total)) << count << "/" << total;
    }
}

TEST(ConverterWriterNames, NamesAreWrittenAsOneWord) {
    ResetRunState();
    for (const char* name : {"Loc 1", "", "   ", "a b  c", "Loc1 ", " Loc6", "Tab\tname"}) {
        loc_name.Add(name);
    }
    while (loc_name.Count() < 100) {
        loc_name.Add("");
    }
    EXPECT_EQ(WrittenLocusName(1), "Loc_1");
    EXPECT_EQ(WrittenLocusName(2), "locus2");
    EXPECT_EQ(WrittenLocusName(3), "locus3");
    EXPECT_EQ(WrittenLocusName(4), "a_b__c");
    // Blanks at either end do not split the name for the estimator's reader: they stay.
    EXPECT_EQ(WrittenLocusName(5), "Loc1 ");
    EXPECT_EQ(WrittenLocusName(6), " Loc6");
    EXPECT_EQ(WrittenLocusName(7), "Tab\tname");
    EXPECT_EQ(WrittenLocusName(100), "locus100");
}

} // namespace
