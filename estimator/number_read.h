// The reads of numbers and answers. Each passes over white space first and takes the longest
// prefix of what follows that forms its item; whatever follows stays unread for the next read.
#pragma once

#include <cstdint>
#include <string>

#include "text_input.h"

// An integer with automatic base: optional sign, then 0x or 0X and hexadecimal digits, or a
// leading 0 and octal digits, or decimal digits. "0x" with no hexadecimal digit after it is the
// integer 0, leaving the "x". Fails when no integer begins here or it lies outside 32 bits.
bool ReadInteger(TextInput& in, std::int32_t& value);

// A decimal real number: optional sign, digits, optional fraction, optional exponent, with at
// least one digit before the exponent. "nan" and "inf" are not numbers. Fails when no number
// begins here or its value overflows a double.
bool ReadReal(TextInput& in, double& value);

// One item of non-white characters, of any length; empty at the end of the input.
void ReadItem(TextInput& in, std::string& item);
