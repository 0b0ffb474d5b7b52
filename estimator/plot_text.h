// Text in Morvast's figure: names from the input shown safely, and any text put into XML.
#pragma once

#include <string>
#include <string_view>

// `name` with every byte below 0x20, 0x7F, every byte that is not part of valid UTF-8 and the
// C1 controls U+0080 to U+009F (each of their two bytes) written as \xHH, and a backslash as
// \\; valid UTF-8 letters stay. U+FFFE and U+FFFF, valid UTF-8 that XML does not admit, are
// written as \xHH too.
std::string ShownName(std::string_view name);

// `text` with &, <, > and " written as XML's entities.
std::string XmlText(std::string_view text);
