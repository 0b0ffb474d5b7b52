// How names are shown on the console: every byte that could steer a terminal or that is not
// valid UTF-8 as \xHH, letters of any script kept, checked byte sequence by byte sequence.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shown_text.h"

namespace {

TEST(ShownText, ControlsAndInvalidBytesAreEscaped) {
    using namespace std::string_literals;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Loc1_a-b.txt", "Loc1_a-b.txt"},
        {"a\tb\r\n\x1b[2J\x7f", "a\\x09b\\x0D\\x0A\\x1B[2J\\x7F"},
        {"cut\0here"s, "cut\\x00here"},
        {"C:\\data", "C:\\\\data"},
        // Letters of two, three and four bytes; U+00A0, the first after the C1 controls.
        {"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\xA7\xAC \xC2\xA0",
         "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\xA7\xAC \xC2\xA0"},
        // The C1 controls U+0080 and U+009F (CSI), each byte shown.
        {"\xC2\x80\xC2\x9B", "\\xC2\\x80\\xC2\\x9B"},
        // A lone continuation, a lead without its continuations, an overlong slash, a
        // surrogate, a code beyond U+10FFFF, bytes that never stand in UTF-8.
        {"\x80|\xE2\x82|\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xFE\xFF",
         "\\x80|\\xE2\\x82|\\xC0\\xAF|\\xED\\xA0\\x80|\\xF4\\x90\\x80\\x80|\\xFE\\xFF"},
        {"end\xE2", "end\\xE2"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(Shown(raw), shown) << shown;
    }
}

} // namespace
