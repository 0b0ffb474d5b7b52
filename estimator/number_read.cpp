#include "number_read.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

bool IsDigitIn(int c, int base) {
    if (c == EOF) {
        return false;
    }
    if (base == 16) {
        return std::isxdigit(c) != 0;
    }
    if (base == 8) {
        return c >= '0' && c <= '7';
    }
    return std::isdigit(c) != 0;
}

int DigitValue(int c) {
    if (std::isdigit(c)) {
        return c - '0';
    }
    return std::tolower(c) - 'a' + 10;
}

bool IsSign(int c) {
    return c == '+' || c == '-';
}

bool IsDecimal(int c) {
    return c != EOF && std::isdigit(c);
}

void TakeDigits(TextInput& in, std::string& token) {
    while (IsDecimal(PeekChar(in, 0))) {
        token.push_back(static_cast<char>(GetChar(in)));
    }
}

} // namespace

bool ReadInteger(TextInput& in, std::int32_t& value) {
    SkipSpace(in);
    const int sign_length = IsSign(PeekChar(in, 0)) ? 1 : 0;
    if (!IsDecimal(PeekChar(in, sign_length))) {
        return false;
    }
    const bool negative = sign_length == 1 && GetChar(in) == '-';
    int base = 10;
    if (PeekChar(in, 0) == '0') {
        const int marker = PeekChar(in, 1);
        if ((marker == 'x' || marker == 'X') && IsDigitIn(PeekChar(in, 2), 16)) {
            base = 16;
            GetChar(in);
            GetChar(in);
        } else {
            base = 8;
        }
    }
    // The magnitude is held in 64 bits and stops growing past the 32-bit range, so that a
    // long run of digits is still read whole and then refused.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    while (IsDigitIn(PeekChar(in, 0), base)) {
        magnitude = magnitude * base + DigitValue(GetChar(in));
        if (magnitude > limit) {
            magnitude = limit + 1;
        }
    }
    if (magnitude > (negative ? limit : limit - 1)) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool ReadReal(TextInput& in, double& value) {
    SkipSpace(in);
    const int sign_length = IsSign(PeekChar(in, 0)) ? 1 : 0;
    const int first = PeekChar(in, sign_length);
    if (!IsDecimal(first) && !(first == '.' && IsDecimal(PeekChar(in, sign_length + 1)))) {
        return false;
    }
    std::string token;
    if (sign_length == 1) {
        token.push_back(static_cast<char>(GetChar(in)));
    }
    TakeDigits(in, token);
    if (PeekChar(in, 0) == '.') {
        token.push_back(static_cast<char>(GetChar(in)));
        TakeDigits(in, token);
    }
    const int marker = PeekChar(in, 0);
    if (marker == 'e' || marker == 'E') {
        const int digit_at = IsSign(PeekChar(in, 1)) ? 2 : 1;
        if (IsDecimal(PeekChar(in, digit_at))) {
            for (int i = 0; i < digit_at; ++i) {
                token.push_back(static_cast<char>(GetChar(in)));
            }
            TakeDigits(in, token);
        }
    }
    // The token is a plain decimal number by now, so the library's conversion can take nothing
    // but it: no hexadecimal, no nan or inf. A value beyond the range of a double is refused;
    // one too small for it becomes zero or a denormal.
    const double converted = std::strtod(token.c_str(), nullptr);
    if (!std::isfinite(converted)) {
        return false;
    }
    value = converted;
    return true;
}

void ReadItem(TextInput& in, std::string& item) {
    SkipSpace(in);
    item.clear();
    for (int c = PeekChar(in, 0); c != EOF && !std::isspace(c); c = PeekChar(in, 0)) {
        item.push_back(static_cast<char>(GetChar(in)));
    }
}
