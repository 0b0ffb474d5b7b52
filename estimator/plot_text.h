// Text put into the XML of Morvast's figure.
#pragma once

#include <string>
#include <string_view>

// `text` with &, <, > and " written as XML's entities, and U+FFFE and U+FFFF, valid UTF-8 that
// XML admits nowhere, as \xHH for each of their bytes. Text from the input is first shown as
// the standard error stream shows it (Shown), which leaves no other character that XML refuses.
std::string XmlText(std::string_view text);
