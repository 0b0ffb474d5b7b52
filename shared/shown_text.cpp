#include "shown_text.h"

namespace {

bool IsContinuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when none starts there:
// no overlong form, no surrogate, nothing beyond U+10FFFF.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

void AppendHex(std::string& out, unsigned char c) {
    constexpr char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[c >> 4];
    out += digits[c & 0xF];
}

} // namespace

std::string Shown(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) {
                AppendHex(out, c);
            } else {
                out += c == '\\' ? "\\\\" : std::string(1, static_cast<char>(c));
            }
            ++at;
            continue;
        }
        const std::size_t length = SequenceLength(text.substr(at));
        // U+0080 to U+009F are C2 80 to C2 9F: controls a terminal may act on.
        const bool c1_control =
            length == 2 && c == 0xC2 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
        if (length == 0 || c1_control) {
            const std::size_t shown = length == 0 ? 1 : 2;
            for (std::size_t i = 0; i < shown; ++i) {
                AppendHex(out, static_cast<unsigned char>(text[at + i]));
            }
            at += shown;
        } else {
            out.append(text.substr(at, length));
            at += length;
        }
    }
    return out;
}
