#include "messages.h"

#include <cstdio>

#include "shown_text.h"

std::string Say(Text id, std::initializer_list<std::string_view> values) {
    const std::string_view text = morvast_texts[static_cast<std::size_t>(id)].text;
    const std::string_view* value = values.begin();
    std::string said;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = text.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos ||
            value == values.end()) {
            break;
        }
        said.append(text.substr(at, open - at));
        said.append(Shown(*value++));
        at = close + 1;
    }
    return said.append(text.substr(at));
}

void Print(Text id, std::initializer_list<std::string_view> values) {
    const std::string said = Say(id, values);
    std::fwrite(said.data(), 1, said.size(), stdout);
}
