#include "number_read.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

// Enough of the text ahead to see a number of the longest length accepted and the three
// characters after it that decide where it ends ("e+" and a digit).
constexpr std::size_t ScanLength = MaxNumberLength + 4;

int CharAt(std::string_view text, std::size_t at) {
    return at < text.size() ? static_cast<unsigned char>(text[at]) : EOF;
}

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

// The end of the run of digits of `base` that starts at `at`.
std::size_t DigitsEnd(std::string_view text, std::size_t at, int base = 10) {
    while (IsDigitIn(CharAt(text, at), base)) {
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
    const std::string_view text = in.Ahead(ScanLength);
    std::size_t at = IsSign(CharAt(text, 0)) ? 1 : 0;
    if (!IsDecimal(CharAt(text, at))) {
        return false;
    }
    const bool negative = text[0] == '-';
    int base = 10;
    if (text[at] == '0') {
        const int marker = CharAt(text, at + 1);
        if ((marker == 'x' || marker == 'X') && IsDigitIn(CharAt(text, at + 2), 16)) {
            base = 16;
            at += 2;
        } else {
            base = 8;
        }
    }
    const std::size_t digits = at;
    at = DigitsEnd(text, digits, base);
    if (at > MaxNumberLength) {
        return false;
    }
    std::uint64_t magnitude = 0;
    const auto fault = std::from_chars(text.data() + digits, text.data() + at, magnitude, base).ec;
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
    const std::string_view text = in.Ahead(ScanLength);
    const std::size_t sign_length = IsSign(CharAt(text, 0)) ? 1 : 0;
    const int first = CharAt(text, sign_length);
    if (!IsDecimal(first) && !(first == '.' && IsDecimal(CharAt(text, sign_length + 1)))) {
        return false;
    }
    std::size_t at = DigitsEnd(text, sign_length);
    if (CharAt(text, at) == '.') {
        at = DigitsEnd(text, at + 1);
    }
    const int marker = CharAt(text, at);
    if (marker == 'e' || marker == 'E') {
        const std::size_t digit_at = at + (IsSign(CharAt(text, at + 1)) ? 2 : 1);
        if (IsDecimal(CharAt(text, digit_at))) {
            at = DigitsEnd(text, digit_at);
        }
    }
    if (at > MaxNumberLength) {
        return false;
    }
    const bool converted = ConvertReal(text.substr(0, at), value);
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
