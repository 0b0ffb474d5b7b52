// Every text that a program prints of its own stands in its manual page, so that the pages
// cannot drift from the programs: the tables of texts are walked entry by entry, and each
// text's fixed parts must be found, in order, in the page as a reader sees it.
#include <gtest/gtest.h>

#include <cctype>
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

} // namespace
