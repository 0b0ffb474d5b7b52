#include "fixed_field.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

__extension__ typedef unsigned __int128 Wide;

// The fields of the report's rows, written straight from the binary value: |value| = m / 2^shift
// with m an integer of 53 bits, so value x 10^decimals is the integer m x 10^decimals over
// 2^shift, which 128 bits hold, rounded to the nearest, ties to even, exactly as printf rounds
// the binary value. Only for the decimals and magnitudes whose digits fit 64 bits; false for
// any other, which to_chars then writes.
bool WriteExactly(double value, int decimals, std::string_view& text,
                  std::array<char, 32>& digits) {
    constexpr std::uint64_t powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    if (decimals < 0 || decimals > 7 || exponent > 36) {
        return false;
    }
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    const Wide scaled = static_cast<Wide>(m) * powers[decimals];
    std::uint64_t q = 0;
    if (shift < 128) {
        q = static_cast<std::uint64_t>(scaled >> shift);
        const Wide rest = scaled - (static_cast<Wide>(q) << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        q += rest > half || (rest == half && (q & 1) != 0) ? 1 : 0;
    }
    // The digits from the last one back, the point after `decimals` of them, and at least one
    // digit before it.
    std::size_t at = digits.size();
    for (int written = 0; written <= decimals || q != 0; ++written) {
        if (written == decimals && decimals > 0) {
            digits[--at] = '.';
        }
        digits[--at] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    if (std::signbit(value)) {
        digits[--at] = '-';
    }
    text = std::string_view(digits.data() + at, digits.size() - at);
    return true;
}

// A value longer than the usual fields, as one of hundreds of digits is, is written with
// to_chars, which writes a number with a given precision exactly as printf does, and at its full
// length through printf when even that does not hold it.
std::string Digits(double value, int decimals) {
    std::array<char, 64> field;
    const auto [end, fault] = std::to_chars(field.data(), field.data() + field.size(), value,
                                            std::chars_format::fixed, decimals);
    if (fault == std::errc{}) {
        return std::string(field.data(), end);
    }
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.pop_back();
    return text;
}

} // namespace

void AppendText(std::string& text, std::string_view field, int width) {
    const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (field.size() < wanted) {
        text.append(wanted - field.size(), ' ');
    }
    text.append(field);
}

std::string TextField(const std::string& text, int width) {
    std::string field;
    AppendText(field, text, width);
    return field;
}

void AppendFixed(std::string& text, double value, int width, int decimals) {
    if (std::isnan(value)) {
        AppendText(text, "nan", width);
    } else if (std::isinf(value)) {
        AppendText(text, value > 0 ? "inf" : "-inf", width);
    } else {
        std::array<char, 32> digits;
        std::string_view written;
        if (WriteExactly(value, decimals, written, digits)) {
            AppendText(text, written, width);
        } else {
            AppendText(text, Digits(value, decimals), width);
        }
    }
}

std::string FixedField(double value, int width, int decimals) {
    std::string field;
    AppendFixed(field, value, width, decimals);
    return field;
}

std::string IntegerField(long long value, int width) {
    return TextField(std::to_string(value), width);
}
