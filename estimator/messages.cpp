#include "messages.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "shown_text.h"

std::FILE* console = stdout;

std::string Say(Text id, std::initializer_list<SaidField> fields) {
    std::vector<std::string> values;
    values.reserve(fields.size());
    std::vector<SaidField> shown;
    for (const SaidField& field : fields) {
        values.push_back(Shown(field.value));
        shown.push_back({field.name, values.back()});
    }
    return FillFields(morvast_texts[static_cast<std::size_t>(id)].text, shown);
}

void Print(Text id, std::initializer_list<SaidField> fields) {
    const std::string said = Say(id, fields);
    std::fwrite(said.data(), 1, said.size(), console);
}

void Warn(Text id, std::initializer_list<SaidField> fields) {
    const std::string said = Say(id, fields) + "\n";
    std::fflush(console);
    std::fwrite(said.data(), 1, said.size(), stderr);
}

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The length of the field's name that opens at `open` ("{name}"), or 0 when the brace there
// opens no field and stands for itself.
std::size_t FieldNameLength(std::string_view text, std::size_t open) {
    std::size_t end = open + 1;
    while (end < text.size() && IsNameCharacter(text[end])) {
        ++end;
    }
    return end > open + 1 && end < text.size() && text[end] == '}' ? end - open - 1 : 0;
}

[[noreturn]] void FieldFault(std::string_view text, std::string_view what, std::string_view name) {
    throw std::logic_error(std::string(what) + " \"" + std::string(name) + "\" in the text \"" +
                           std::string(text) + "\"");
}

} // namespace

std::string FillFields(std::string_view text, std::span<const SaidField> fields) {
    std::vector<bool> used(fields.size(), false);
    std::string out;
    std::size_t at = 0;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t length = FieldNameLength(text, open);
        if (length == 0) {
            continue;
        }
        const std::string_view name = text.substr(open + 1, length);
        std::size_t k = 0;
        while (k < fields.size() && fields[k].name != name) {
            ++k;
        }
        if (k == fields.size()) {
            FieldFault(text, "no value is given for the field", name);
        }
        used[k] = true;
        out.append(text.substr(at, open - at)).append(fields[k].value);
        at = open + length + 2;
        open = at - 1;
    }
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (!used[k]) {
            FieldFault(text, "a value is given for no field", fields[k].name);
        }
    }
    return out.append(text.substr(at));
}
