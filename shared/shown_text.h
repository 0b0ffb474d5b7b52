// Text from the input (a GenePop file, a frequency file, a typed answer) or the command line, as
// both programs show it on the console and the standard error stream: a file name or a locus
// name may hold any byte, and a raw control byte could move
// the cursor, retitle the terminal or cut the line where it is shown.
#pragma once

#include <string>
#include <string_view>

// `text` with every byte below 0x20, 0x7F, every byte that is not part of valid UTF-8 and each
// byte of the C1 controls U+0080 to U+009F written as \xHH (two upper-case hexadecimal digits),
// and a backslash as \\, so that the shown text can be read back to the bytes; valid UTF-8
// letters stay as they are.
std::string Shown(std::string_view text);
