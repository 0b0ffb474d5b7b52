#include "fixed_field.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Formatted once into a place of the usual fields' size, and again at its full length only when
// it is longer, as a value of hundreds of digits is.
std::string Formatted(const char* format, int width, int decimals, double value) {
    std::array<char, 64> field;
    const int length = std::snprintf(field.data(), field.size(), format, width, decimals, value);
    if (static_cast<std::size_t>(length) < field.size()) {
        return std::string(field.data(), static_cast<std::size_t>(length));
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, width, decimals, value);
    text.pop_back();
    return text;
}

} // namespace

std::string TextField(const std::string& text, int width) {
    const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (text.size() >= wanted) {
        return text;
    }
    return std::string(wanted - text.size(), ' ') + text;
}

std::string FixedField(double value, int width, int decimals) {
    if (std::isnan(value)) {
        return TextField("nan", width);
    }
    if (std::isinf(value)) {
        return TextField(value > 0 ? "inf" : "-inf", width);
    }
    return Formatted("%*.*f", width, decimals, value);
}

std::string IntegerField(long long value, int width) {
    return TextField(std::to_string(value), width);
}
