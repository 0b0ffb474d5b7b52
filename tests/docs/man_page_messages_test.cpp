// Every text that a program prints of its own stands in its manual page, so that the pages
// cannot drift from the programs: the tables of texts are walked entry by entry, and each
// text's fixed parts must be found, in order, in the page as a reader sees it. The same walk
// holds every text's fields to their filling by name.
#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "converter/messages.h"
#include "estimator/messages.h"
#include "program_run.h"

namespace {

using testing_support::RunProgram;

// White space of any kind and length counts as one blank, so that a text folded over lines or
// indented in the page still matches; blanks at either end are dropped.
std::string Squeezed(std::string_view text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            blank = !out.empty();
            continue;
        }
        if (blank) {
            out += ' ';
            blank = false;
        }
        out += c;
    }
    return out;
}

// The fixed parts of a text: what stands between its fields ("{locus}"), each squeezed.
std::vector<std::string> FixedParts(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t open = text.find('{', from);
        const std::string part = Squeezed(text.substr(from, open - from));
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = text.find('}', open);
        from = close == std::string_view::npos ? text.size() + 1 : close + 1;
    }
    return parts;
}

// The page as plain text, no bold or underline, squeezed.
std::string RenderedPage(const std::string& page) {
    testing_support::TempDir dir;
    const auto run =
        RunProgram(GROFF_EXE, {"-man", "-Tutf8", "-P-cbou", MAN_DIR "/" + page}, "", dir.path());
    EXPECT_EQ(run.status, 0) << "is groff installed? .ci/install-deps installs it";
    return Squeezed(run.out);
}

// Whether the fixed parts of `text` stand in `page` in their order, each part somewhere after
// the one before it.
bool InPage(const std::string& page, std::string_view text) {
    std::size_t at = 0;
    for (const std::string& part : FixedParts(text)) {
        at = page.find(part, at);
        if (at == std::string::npos) {
            return false;
        }
        at += part.size();
    }
    return true;
}

TEST(ManPageMessages, FieldsAreLeftOutOfTheFixedParts) {
    EXPECT_EQ(FixedParts("Runtime error {number} at ${where}"),
              (std::vector<std::string>{"Runtime error", "at $"}));
    EXPECT_EQ(FixedParts(" Invalid  entry\n"), std::vector<std::string>{"Invalid entry"});
}

TEST(ManPageMessages, EveryPelkinTextIsInItsPage) {
    const std::string page = RenderedPage("Pelkin.1");
    for (const MessageText& entry : message_table) {
        EXPECT_TRUE(InPage(page, entry.text)) << entry.name << ": " << entry.text;
    }
}

TEST(ManPageMessages, EveryMorvastTextIsInItsPage) {
    const std::string page = RenderedPage("Morvast.1");
    for (const TextEntry& entry : morvast_texts) {
        EXPECT_TRUE(InPage(page, entry.text)) << static_cast<int>(entry.id) << ": " << entry.text;
    }
}

// The names of a text's fields, read plainly: a brace, letters, digits or underscores, a brace.
std::vector<std::string> FieldNames(std::string_view text) {
    std::vector<std::string> names;
    std::string name;
    bool open = false;
    for (const char c : text) {
        if (c == '{') {
            open = true;
            name.clear();
        } else if (open && c == '}' && !name.empty()) {
            names.push_back(name);
            open = false;
        } else if (open && (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_')) {
            name += c;
        } else {
            open = false;
        }
    }
    return names;
}

// Fills `text` with every field's value named after it and expects each value in the field's
// place; then expects a fault for each field left out and for a value that names no field.
template <typename Field, typename Fill> void ExpectFilledByName(std::string_view text, Fill fill) {
    const std::vector<std::string> names = FieldNames(text);
    std::vector<std::string> values;
    std::string expected(text);
    for (const std::string& name : names) {
        values.push_back("<" + name + ">");
        expected.replace(expected.find("{" + name + "}"), name.size() + 2, values.back());
    }
    std::vector<Field> fields;
    for (std::size_t i = 0; i < names.size(); ++i) {
        fields.push_back({names[i], values[i]});
    }
    EXPECT_EQ(fill(text, fields), expected);
    for (std::size_t left_out = 0; left_out < fields.size(); ++left_out) {
        std::vector<Field> short_of_one = fields;
        short_of_one.erase(short_of_one.begin() + static_cast<std::ptrdiff_t>(left_out));
        EXPECT_THROW(fill(text, short_of_one), std::logic_error) << names[left_out];
    }
    fields.push_back({"no_such_field", "x"});
    EXPECT_THROW(fill(text, fields), std::logic_error);
}

TEST(TextFields, EveryTextOfBothTablesIsFilledByItsFieldsNames) {
    for (const MessageText& entry : message_table) {
        SCOPED_TRACE(entry.name);
        ExpectFilledByName<MsgField>(entry.text, [](std::string_view text, const auto& fields) {
            return FillFields(text, std::span<const MsgField>(fields));
        });
    }
    for (const TextEntry& entry : morvast_texts) {
        SCOPED_TRACE(entry.text);
        ExpectFilledByName<SaidField>(entry.text, [](std::string_view text, const auto& fields) {
            return FillFields(text, std::span<const SaidField>(fields));
        });
    }
    // A value is put in as it stands, braces and all, and a field may stand twice.
    EXPECT_EQ(Filled(Msg::FileOperationFailed,
                     {{"reason", "No such file"}, {"file", "{x}.gen"}, {"operation", "open"}}),
              "Pelkin: cannot open \"{x}.gen\": No such file");
    const MsgField twice{"where", "$1"};
    EXPECT_EQ(FillFields("{where} and {where}", std::span<const MsgField>(&twice, 1)), "$1 and $1");
}

} // namespace
