#include "number_read.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

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
