#include "number_text.h"

#include <array>

namespace {

// The digit's value in `base`, or -1 when it is not a digit of that base.
int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// The base a prefix stands for, with the prefix's length; decimal when there is none.
struct Radix {
    int base;
    std::size_t prefix;
};

Radix RadixOf(std::string_view digits) {
    if (digits.starts_with('$')) {
        return {16, 1};
    }
    if (digits.starts_with('%')) {
        return {2, 1};
    }
    if (digits.starts_with('&')) {
        return {8, 1};
    }
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        return {16, 2};
    }
    return {10, 0};
}

} // namespace

int ConvertCode(char first, char second) {
    if (first >= '0' && first <= '9' && second >= '0' && second <= '9') {
        return (first - '0') * 10 + (second - '0');
    }
    const std::array<char, 2> code{first, second};
    std::size_t i = 0;
    while (i < code.size() && (code[i] == ' ' || code[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < code.size() && (code[i] == '+' || code[i] == '-')) {
        negative = code[i] == '-';
        ++i;
    }
    const std::string_view rest(code.data() + i, code.size() - i);
    if (rest.empty()) {
        return 0;
    }
    int value = 0;
    if (rest.size() == 2 && (rest[0] == '$' || rest[0] == '%' || rest[0] == '&')) {
        value = DigitValue(rest[1], rest[0] == '$' ? 16 : rest[0] == '%' ? 2 : 8);
    } else {
        for (const char c : rest) {
            const int digit = DigitValue(c, 10);
            if (digit < 0) {
                return 0;
            }
            value = value * 10 + digit;
        }
    }
    if (value < 0) {
        return 0;
    }
    return negative ? -value : value;
}

int ConvertThreeDigitCode(const std::array<char, 3>& code) {
    std::size_t i = 0;
    while (i < code.size() && code[i] == ' ') {
        ++i;
    }
    if (i == code.size()) {
        return 0;
    }
    int value = 0;
    for (; i < code.size(); ++i) {
        if (code[i] < '0' || code[i] > '9') {
            return 0;
        }
        value = value * 10 + (code[i] - '0');
    }
    return value;
}

std::optional<std::int32_t> ConvertInteger(std::string_view word) {
    bool negative = false;
    if (word.starts_with('+') || word.starts_with('-')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    const Radix radix = RadixOf(word);
    word.remove_prefix(radix.prefix);
    if (word.empty()) {
        return std::nullopt;
    }
    // Past this, no further digit can bring the value back into range.
    constexpr std::uint64_t Ceiling = 0x1'0000'0000ULL;
    std::uint64_t value = 0;
    for (const char c : word) {
        const int digit = DigitValue(c, radix.base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(radix.base) + static_cast<std::uint64_t>(digit);
        if (value >= Ceiling) {
            return std::nullopt;
        }
    }
    if (radix.base != 10) {
        const auto bits = static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(negative ? 0U - bits : bits);
    }
    const auto signed_value =
        negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signed_value < INT32_MIN || signed_value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(signed_value);
}
