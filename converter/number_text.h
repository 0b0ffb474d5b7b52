// Numbers written as text in a GenePop file or a count file: the two- and three-character
// allele codes of a genotype and the whole-number words that the integer read takes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The value of a two-character allele code. After leading blanks (code 32) and tabs and an
// optional sign, the rest must be decimal digits, or "$", "%" or "&" and one hexadecimal, binary
// or octal digit; any other form is a missing copy, 0. So "07" and " 7" give 7, "$A" gives 10,
// "7 " gives 0, and "-7" gives -7, which the tally refuses.
int ConvertCode(char first, char second);

// The value of a three-character allele code of a three-digit file: leading blanks (code 32),
// then decimal digits to its end, so "007" and "  7" give 7; any other form is a missing copy,
// 0 ("-07", "\t07", "   "). A code holding a blank after another character ("7  ") never
// reaches this: the genotype read refuses it as the mark of a padded first code.
int ConvertThreeDigitCode(const std::array<char, 3>& code);

// The value of a word: optional sign, then decimal digits, or "$" or "0x" and hexadecimal
// digits, "%" and binary digits, "&" and octal digits, leading zeros allowed. Prefixed digits
// must fit 32 unsigned bits and are read as a signed value ("$FFFFFFFF" is -1); a decimal value
// must lie in the signed 32-bit range. Anything else gives no value.
std::optional<std::int32_t> ConvertInteger(std::string_view word);
