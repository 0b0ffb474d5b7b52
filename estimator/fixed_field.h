// Fixed-width fields of the report and the messages.
#pragma once

#include <string>
#include <string_view>

// `value` in fixed-point notation with `decimals` decimals, right-aligned in at least `width`
// characters, as printf's "%*.*f" writes it; a value that is not a number is written "nan"
// whatever its sign bit, and infinities "inf" and "-inf".
std::string FixedField(double value, int width, int decimals);
// Appends that field to `text`.
void AppendFixed(std::string& text, double value, int width, int decimals);

// An integer right-aligned in at least `width` characters, as "%*i" writes it.
std::string IntegerField(long long value, int width);

// `text` right-aligned in at least `width` characters, as "%*s" writes it.
std::string TextField(const std::string& text, int width);
// Appends that field to `text`.
void AppendText(std::string& text, std::string_view field, int width);
