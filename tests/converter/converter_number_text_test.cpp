// Numbers as the GenePop file and the count files write them: the two-character allele codes
// (also as they reach the tallies) and the words of the integer read.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "count_in_dir.h"
#include "number_text.h"
#include "run_state.h"

namespace {

TEST(ConverterCodeConversion, TwoCharacterCodesGiveTheirValueOrZero) {
    const struct {
        std::string code;
        int value;
    } cases[] = {
        {"07", 7},       {"99", 99}, {"00", 0},  {" 7", 7},  {"\t7", 7}, {"+7", 7},   {"-7", -7},
        {"-0", 0},       {"$A", 10}, {"$a", 10}, {"$F", 15}, {"%1", 1},  {"&7", 7},   {"7 ", 0},
        {"0a", 0},       {"a0", 0},  {"$G", 0},  {"%2", 0},  {"&8", 0},  {"$ ", 0},   {"+ ", 0},
        {"- ", 0},       {"  ", 0},  {"+$", 0},  {"\v7", 0}, {"\n1", 0}, {"\r\n", 0}, {"1\n", 0},
        {"\x1a\x1a", 0}, {"--", 0},  {"$$", 0},
    };
    for (const auto& [code, value] : cases) {
        EXPECT_EQ(ConvertCode(code[0], code[1]), value) << "code \"" << code << "\"";
    }
}

TEST(ConverterCodeConversion, PrefixedAndSignedCodesReachTheTallies) {
    CountingDir dir;
    // $A is 10, %1 is 1, &7 is 7, +7 is 7, 7 and a blank is missing, 07 is 7.
    dir.Count("T\nA\nPop\n1 a, $A%1\n1 b, &7+7\n1 c, 7 07\n");
    EXPECT_EQ(dir.Copies(), 6);
    EXPECT_EQ(dir.Counts(1), "  1  3\n    1    3    1\n");
}

TEST(ConverterCodeConversion, WordsGiveTheirValueOrNoneOutside32Bits) {
    const struct {
        std::string word;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"08", 8},
        {"-3", -3},
        {"+5", 5},
        {"0001", 1},
        {"70000", 70000},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"000000000000000000000000000042", 42},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"-$10", -16},
        {"0x10", 16},
        {"0X1f", 31},
        {"%101", 5},
        {"&17", 15},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"12,", std::nullopt},
        {"G12", std::nullopt},
        {"1_1,", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"0x", std::nullopt},
        {"%2", std::nullopt},
        {"&8", std::nullopt},
        {"Pop", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [word, value] : cases) {
        EXPECT_EQ(ConvertInteger(word), value) << "word \"" << word << "\"";
    }
}

} // namespace
