#include "number_read.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// A text to read from, as a file; `Rest` gives what a read left unread.
class Source {
  public:
    explicit Source(const std::string& text) : file_(std::tmpfile()), in(Written(file_, text)) {}
    ~Source() { std::fclose(file_); }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;
    std::string Rest() {
        std::string rest;
        for (int c = in.Get(); c != EOF; c = in.Get()) {
            rest.push_back(static_cast<char>(c));
        }
        return rest;
    }

  private:
    static std::FILE* Written(std::FILE* file, const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        return file;
    }
    std::FILE* file_;

  public:
    TextInput in;
};

struct IntegerCase {
    const char* text;
    std::int32_t value;
    const char* rest;
};

TEST(NumberRead, IntegersTakeTheirBaseFromTheirPrefix) {
    const IntegerCase cases[] = {
        {"  12 x", 12, " x"},
        {"\n\t-7\n", -7, "\n"},
        {"+5", 5, ""},
        {"010", 8, ""},
        {"08", 0, "8"},
        {"0x10", 16, ""},
        {"0XfF;", 255, ";"},
        {"0x", 0, "x"},
        {"0xg", 0, "xg"},
        {"-0x10", -16, ""},
        {"1abc", 1, "abc"},
        {"2147483647 ", 2147483647, " "},
        {"-2147483648", -2147483647 - 1, ""},
        {"0x7fffffff", 2147483647, ""},
        {"3.9", 3, ".9"},
    };
    for (const auto& c : cases) {
        Source source(c.text);
        std::int32_t value = 99;
        ASSERT_TRUE(ReadInteger(source.in, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(source.Rest(), c.rest) << c.text;
    }
}

TEST(NumberRead, IntegersOutsideThirtyTwoBitsOrMissingAreRefused) {
    for (const char* text : {"2147483648", "-2147483649", "0x80000000", "99999999999999999999",
                             "020000000000", "", "  \n", "-", "+ 1", "x1", "-x", ".5", "a"}) {
        Source source(text);
        std::int32_t value = 0;
        EXPECT_FALSE(ReadInteger(source.in, value)) << '"' << text << '"';
    }
}

struct RealCase {
    const char* text;
    double value;
    const char* rest;
};

TEST(NumberRead, RealsAreTheLongestDecimalPrefix) {
    const RealCase cases[] = {
        {" 0.2500 ", 0.25, " "}, {".5", 0.5, ""},        {"5.", 5.0, ""},
        {"-0.2", -0.2, ""},      {"+1.2e1x", 12.0, "x"}, {"1e", 1.0, "e"},
        {"1e+", 1.0, "e+"},      {"1E-2", 0.01, ""},     {"0x1p-1", 0.0, "x1p-1"},
        {"40Loc", 40.0, "Loc"},  {"1e-999", 0.0, ""},    {"7\r\n", 7.0, "\r\n"},
    };
    for (const auto& c : cases) {
        Source source(c.text);
        double value = 99.0;
        ASSERT_TRUE(ReadReal(source.in, value)) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        EXPECT_EQ(source.Rest(), c.rest) << c.text;
    }
}

TEST(NumberRead, NonNumbersAndOverflowsAreNotReals) {
    for (const char* text : {"nan", "NaN", "inf", "-inf", "infinity", "1e999", "-1e400", ".",
                             "-.e1", "e5", "", "+", "--1"}) {
        Source source(text);
        double value = 0.0;
        EXPECT_FALSE(ReadReal(source.in, value)) << '"' << text << '"';
    }
}

TEST(NumberRead, SignsUnderflowsAndDenormalsAsTheCLibraryReadsThem) {
    const RealCase cases[] = {
        {"+0.5", 0.5, ""},     {"-1e-999", -0.0, ""},
        {"1e-400x", 0.0, "x"}, {"4e-320", 4e-320, ""},
        {"+1e-999", 0.0, ""},  {"1.7976931348623157e308", 1.7976931348623157e308, ""},
    };
    for (const auto& c : cases) {
        Source source(c.text);
        double value = 99.0;
        ASSERT_TRUE(ReadReal(source.in, value)) << c.text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(c.value))
            << c.text;
        EXPECT_EQ(source.Rest(), c.rest) << c.text;
    }
}

// The conversion of the scanned text against the C library's on random decimal texts: short and
// long mantissas, exponents near both ends of the range, ties of the binary value.
TEST(NumberRead, RealsRoundAsTheCLibraryRounds) {
    std::mt19937 random(1022);
    const auto digits = [&](std::size_t n) {
        std::string text;
        for (std::size_t i = 0; i < n; ++i) {
            text.push_back(static_cast<char>('0' + random() % 10));
        }
        return text;
    };
    std::vector<std::string> texts;
    for (int trial = 0; trial < 20000; ++trial) {
        std::string text = random() % 3 == 0 ? "-" : "";
        text += digits(1 + random() % (trial % 10 == 0 ? 800 : 20));
        if (random() % 2 == 0) {
            text += ".";
            text += digits(random() % 30);
        }
        if (random() % 2 == 0) {
            text += "e";
            text += std::to_string(static_cast<int>(random() % 700) - 350);
        }
        if (trial % 7 == 0) {
            // Halfway between two doubles, and just beyond: the digits of one double, then a 5
            // where the next digit of the exact value would be.
            char shortest[40];
            std::snprintf(shortest, sizeof shortest, "%.16e", 1.0 + (random() % 1000000) / 7.0);
            text = shortest;
            text.insert(text.find('e'), trial % 2 == 0 ? "5" : "50000000000000000000001");
        }
        texts.push_back(text);
    }
    std::string all;
    for (const std::string& text : texts) {
        all += text + " ";
    }
    Source source(all);
    for (const std::string& text : texts) {
        double value = 0.0;
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(ReadReal(source.in, value), std::isfinite(expected)) << text;
        if (std::isfinite(expected)) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected))
                << text;
        }
    }
}

TEST(NumberRead, NumberTextsLongerThan4096CharactersAreRefused) {
    const std::string zeros(4094, '0');
    const std::string reals[] = {std::string("0.") + zeros,
                                 std::string("+.") + zeros.substr(1) + "1",
                                 std::string("1.") + zeros.substr(2) + "e1"};
    for (const std::string& text : reals) {
        ASSERT_EQ(text.size(), MaxNumberLength);
        double value = 99.0;
        Source fits(text + " x");
        EXPECT_TRUE(ReadReal(fits.in, value)) << text.substr(0, 5);
        EXPECT_EQ(fits.Rest(), " x");
        Source longer(text + "0 x");
        EXPECT_FALSE(ReadReal(longer.in, value)) << text.substr(0, 5);
    }
    std::int32_t value = 99;
    Source octal(zeros + "17 x");
    EXPECT_TRUE(ReadInteger(octal.in, value));
    EXPECT_EQ(value, 15);
    EXPECT_EQ(octal.Rest(), " x");
    for (const std::string& text :
         {zeros + "017", std::string("-0x") + zeros + "1", std::string("1") + zeros + "00"}) {
        Source longer(text);
        EXPECT_FALSE(ReadInteger(longer.in, value)) << text.substr(0, 5);
    }
}

// Numbers, items and line ends that the end of the reader's buffer cuts in two are read whole.
TEST(NumberRead, ReadsAcrossTheBufferEnd) {
    for (std::size_t before_end = 0; before_end < 30; ++before_end) {
        const std::string padding(TextBufferSize - before_end, ' ');
        Source source(padding + "-0.125e+1 0x7fffffff name\r\n7");
        double real = 0.0;
        std::int32_t integer = 0;
        std::string item;
        ASSERT_TRUE(ReadReal(source.in, real)) << before_end;
        EXPECT_EQ(real, -1.25) << before_end;
        ASSERT_TRUE(ReadInteger(source.in, integer)) << before_end;
        EXPECT_EQ(integer, 2147483647) << before_end;
        ReadItem(source.in, item);
        EXPECT_EQ(item, "name") << before_end;
        EXPECT_EQ(GetLineChar(source.in), '\n') << before_end;
        EXPECT_EQ(source.Rest(), "7") << before_end;
    }
}

TEST(NumberRead, ItemsAreRunsOfNonWhiteCharactersOfAnyLength) {
    const std::string long_name(5000, 'n');
    Source source("\n\n  data.txt report.txt\t" + long_name + "\n");
    std::string item;
    ReadItem(source.in, item);
    EXPECT_EQ(item, "data.txt");
    ReadItem(source.in, item);
    EXPECT_EQ(item, "report.txt");
    ReadItem(source.in, item);
    EXPECT_EQ(item, long_name);
    ReadItem(source.in, item);
    EXPECT_EQ(item, "");
}

} // namespace
