// The reads of numbers and answers. Each passes over white space first and takes the longest
// prefix of what follows that forms its item; whatever follows stays unread for the next read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "text_input.h"

// The longest text of a number that a read takes: a longer one is refused, so that no number
// is ever held whole, whatever its length.
inline constexpr std::size_t MaxNumberLength = 4096;

// An integer with automatic base: optional sign, then 0x or 0X and hexadecimal digits, or a
// leading 0 and octal digits, or decimal digits. "0x" with no hexadecimal digit after it is the
// integer 0, leaving the "x". Fails when no integer begins here, it lies outside 32 bits or its
// text is longer than MaxNumberLength.
bool ReadInteger(TextInput& in, std::int32_t& value);

// A decimal real number: optional sign, digits, optional fraction, optional exponent, with at
// least one digit before the exponent. "nan" and "inf" are not numbers. Fails when no number
// begins here, its value overflows a double or its text is longer than MaxNumberLength; a value
// too small for a double becomes zero or a denormal.
bool ReadReal(TextInput& in, double& value);

// One item of non-white characters, of any length; empty at the end of the input.
void ReadItem(TextInput& in, std::string& item);
