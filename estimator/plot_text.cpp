#include "plot_text.h"

#include <array>
#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence of two or more bytes that begins `text` at `at`, or 0
// when there is none there; overlong forms and surrogates are not valid.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
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
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool Shown(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
    if (sequence.size() == 2) {
        return !(byte(0) == 0xC2 && byte(1) <= 0x9F); // C1 controls
    }
    return !(sequence.size() == 3 && byte(0) == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE);
}

void AddHex(std::string& shown, std::string_view bytes) {
    std::array<char, 8> hex;
    for (const char c : bytes) {
        std::snprintf(hex.data(), hex.size(), "\\x%02X", static_cast<unsigned char>(c));
        shown += hex.data();
    }
}

} // namespace

std::string ShownName(std::string_view name) {
    std::string shown;
    for (std::size_t at = 0; at < name.size();) {
        const unsigned char c = static_cast<unsigned char>(name[at]);
        if (c == '\\') {
            shown += "\\\\";
            ++at;
        } else if (c >= 0x20 && c < 0x7F) {
            shown += name[at++];
        } else if (const std::size_t length = SequenceLength(name, at); length > 0) {
            const std::string_view sequence = name.substr(at, length);
            if (Shown(sequence)) {
                shown += sequence;
            } else {
                AddHex(shown, sequence);
            }
            at += length;
        } else {
            AddHex(shown, name.substr(at++, 1));
        }
    }
    return shown;
}

std::string XmlText(std::string_view text) {
    std::string xml;
    for (const char c : text) {
        switch (c) {
        case '&':
            xml += "&amp;";
            break;
        case '<':
            xml += "&lt;";
            break;
        case '>':
            xml += "&gt;";
            break;
        case '"':
            xml += "&quot;";
            break;
        default:
            xml += c;
        }
    }
    return xml;
}
