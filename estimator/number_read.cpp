#include "number_read.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

bool IsDecimal(int c) {
    return c >= '0' && c <= '9';
}

bool IsDigitIn(int c, int base) {
    if (base == 16) {
        return IsDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }
    if (base == 8) {
        return c >= '0' && c <= '7';
    }
    return IsDecimal(c);
}

bool IsSign(int c) {
    return c == '+' || c == '-';
}

// The end of the run of digits of `base` that starts `at` characters ahead. The scan looks no
// further than one character past the longest text accepted, and no further than it needs, so
// that an answer is taken as soon as the line that holds it is ended.
std::size_t DigitsEnd(TextInput& in, std::size_t at, int base = 10) {
    while (at <= MaxNumberLength && IsDigitIn(in.Peek(at), base)) {
        ++at;
    }
    return at;
}

// The value of a real number's text as the C library's strtod gives it, or false when it
// overflows a double. The text is a plain decimal number, so the conversion can take nothing but
// it: no hexadecimal, no nan or inf.
bool ConvertReal(std::string_view text, double& value) {
    const std::string_view unsigned_text = text[0] == '+' ? text.substr(1) : text;
    double converted = 0.0;
    const auto [end, fault] = std::from_chars(
        unsigned_text.data(), unsigned_text.data() + unsigned_text.size(), converted);
    if (fault != std::errc{} || end != unsigned_text.data() + unsigned_text.size()) {
        // Out of range, either way: strtod tells an overflow, refused, from a value too small for
        // a double, which becomes zero or a denormal.
        converted = std::strtod(std::string(text).c_str(), nullptr);
    }
    if (!std::isfinite(converted)) {
        return false;
    }
    value = converted;
    return true;
}

} // namespace

bool ReadInteger(TextInput& in, std::int32_t& value) {
    SkipSpace(in);
    std::size_t at = IsSign(in.Peek()) ? 1 : 0;
    if (!IsDecimal(in.Peek(at))) {
        return false;
    }
    const bool negative = in.Peek() == '-';
    int base = 10;
    if (in.Peek(at) == '0') {
        const int marker = in.Peek(at + 1);
        if ((marker == 'x' || marker == 'X') && IsDigitIn(in.Peek(at + 2), 16)) {
            base = 16;
            at += 2;
        } else {
            base = 8;
        }
    }
    const std::size_t digits = at;
    at = DigitsEnd(in, digits, base);
    if (at > MaxNumberLength) {
        return false;
    }
    const std::string_view text = in.Ahead(at).substr(digits, at - digits);
    std::uint64_t magnitude = 0;
    const auto fault = std::from_chars(text.data(), text.data() + text.size(), magnitude, base).ec;
    // A long run of digits is read whole and then refused.
    in.Skip(at);
    constexpr std::uint64_t limit = std::uint64_t{1} << 31;
    if (fault != std::errc{} || magnitude > (negative ? limit : limit - 1)) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                               : static_cast<std::int64_t>(magnitude));
    return true;
}

bool ReadReal(TextInput& in, double& value) {
    SkipSpace(in);
    const std::size_t sign_length = IsSign(in.Peek()) ? 1 : 0;
    const int first = in.Peek(sign_length);
    if (!IsDecimal(first) && !(first == '.' && IsDecimal(in.Peek(sign_length + 1)))) {
        return false;
    }
    std::size_t at = DigitsEnd(in, sign_length);
    if (in.Peek(at) == '.') {
        at = DigitsEnd(in, at + 1);
    }
    const int marker = in.Peek(at);
    if (marker == 'e' || marker == 'E') {
        const std::size_t digit_at = at + (IsSign(in.Peek(at + 1)) ? 2 : 1);
        if (IsDecimal(in.Peek(digit_at))) {
            at = DigitsEnd(in, digit_at);
        }
    }
    if (at > MaxNumberLength) {
        return false;
    }
    const bool converted = ConvertReal(in.Ahead(at).substr(0, at), value);
    in.Skip(at);
    return converted;
}

void ReadItem(TextInput& in, std::string& item) {
    SkipSpace(in);
    item.clear();
    for (std::string_view ahead = in.Ahead(1); !ahead.empty(); ahead = in.Ahead(1)) {
        std::size_t length = 0;
        while (length < ahead.size() && !IsSpace(static_cast<unsigned char>(ahead[length]))) {
            ++length;
        }
        item.append(ahead.substr(0, length));
        in.Skip(length);
        if (length < ahead.size()) {
            return;
        }
    }
}
