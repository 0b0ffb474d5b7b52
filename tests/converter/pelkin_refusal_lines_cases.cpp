// The line on standard error that every refusal adds to its message: the file, the line at
// fault where one line is (counted as the reads end lines, LF, CR LF or CR alone) with its
// first 20 characters, and what to change. Standard output and the status stay as they were.
#include <gtest/gtest.h>

#include "genepop_texts.h"
#include "pelkin_cases.h"

namespace {

using testing_support::AFolder;
using testing_support::Case;

// A refused run of `genepop`, with its line feeds replaced by `line_end`.
Case Refused(const std::string& name, const std::string& genepop, const std::string& line_end,
             int status, const std::string& shown, const std::string& hint) {
    return {.name = name,
            .files = {GenePop(WithLineEnds(genepop, line_end))},
            .typed = "data.gen\n",
            .status = status,
            .out = IntroAndPrompt + shown,
            .err = hint};
}

// The three kinds of short line, each with the line ends LF, CR LF and CR alone.
std::vector<Case> ShortLines() {
    std::vector<Case> cases;
    for (const auto& [end, line_end] :
         {std::pair<std::string, std::string>{"lf", "\n"}, {"crlf", "\r\n"}, {"cr", "\r"}}) {
        // Generations: locus 2's read of the short line runs into the marker line.
        cases.push_back(Refused("short_line_generations_differ_" + end,
                                "T\nA\nB\nPop\n1 a, 0101\nPop\n2 b, 0202 0303\n", line_end, 1,
                                GenerationsMessage(),
                                Line(Msg::GenerationsDifferAtLine, {{"file", "data.gen"},
                                                                    {"line", "5"},
                                                                    {"start", "1 a, 0101"},
                                                                    {"locus", "2"},
                                                                    {"name", "B"},
                                                                    {"counted", "1"},
                                                                    {"first", "2"}})));
        // Individuals: locus 3's read of the second line takes the third.
        cases.push_back(Refused("short_line_individuals_differ_" + end,
                                "T\nA\nB\nC\nPop\n1 a, 0101 0101 0101\n1 b, 0202 0303\n"
                                "1 c, 0202 0303 0404\n",
                                line_end, 1, IndividualsMessage(),
                                Line(Msg::IndividualsDifferAtLine, {{"file", "data.gen"},
                                                                    {"line", "7"},
                                                                    {"start", "1 b, 0202 0303"},
                                                                    {"locus", "3"},
                                                                    {"name", "C"},
                                                                    {"counted", "2"},
                                                                    {"first", "3"}})));
        // Equal counts: the short line is the last.
        cases.push_back(Refused("short_line_last_" + end,
                                "T\nA\nB\nPop\n1 a, 0101 0202\n1 b, 0303\n", line_end, 1,
                                IndividualsMessage(), ShortLine("6", "1 b, 0303", "2", "B", "4")));
    }
    return cases;
}

TEST(PelkinCases, ShortLinesNamedWhateverTheLineEnds) {
    RunPelkinCases(ShortLines());
}

TEST(PelkinCases, RefusalLines) {
    std::vector<Case> cases = {
        {.name = "long_line_shown_by_its_first_20_characters",
         .files = {GenePop(
             "T\nA\nB\nPop\n1 individual-with-a-long-name, 0101 02\n1 b, 0303 0404\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + IndividualsMessage(),
         .err = Line(Msg::IndividualsDifferAtLine, {{"file", "data.gen"},
                                                    {"line", "5"},
                                                    {"start", "1 individual-with-a-"},
                                                    {"locus", "2"},
                                                    {"name", "B"},
                                                    {"counted", "1"},
                                                    {"first", "2"}})},
        {.name = "header_refusal_says_what_ends_the_locus_names",
         .files = {GenePop("T\nA\nPop 1\n1 a, 0101\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::NoMarkerAfterNames),
         .err = Line(Msg::NoMarkerAfterNamesHint, {{"file", "data.gen"}})},
        {.name = "negative_code_names_the_line",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0101\n1 b, 0101 01-2\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::NegativeCode, {{"locus", "2"}}),
         .err = Line(Msg::NegativeCodeAtLine, {{"file", "data.gen"},
                                               {"line", "6"},
                                               {"start", "1 b, 0101 01-2"},
                                               {"locus", "2"},
                                               {"name", "B"}})},
        {.name = "input_that_would_be_overwritten_names_the_file_it_is",
         .files = {{"pelkin.out.part", "T\nA\nB\nPop\n1 a, 0101 0101\n"}},
         .typed = "pelkin.out.part\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::InputWouldBeOverwritten),
         .err = Line(Msg::InputWouldBeOverwrittenHint,
                     {{"file", "pelkin.out.part"}, {"written", "pelkin.out.part"}}),
         .left = {{"pelkin.out.part", "T\nA\nB\nPop\n1 a, 0101 0101\n"}}},
    };
    for (const auto& [end, line_end] :
         {std::pair<std::string, std::string>{"lf", "\n"}, {"crlf", "\r\n"}, {"cr", "\r"}}) {
        cases.push_back(Refused(
            "unreadable_generation_number_names_its_sample_and_line_" + end,
            "T\nL\nPop\n1 a, 0101\nPop\n\nG12 b, 0101\n", line_end, 106,
            RuntimeReport(106, "00403060", "00403000"),
            Line(
                Msg::GenerationNumberUnread,
                {{"file", "data.gen"}, {"line", "7"}, {"start", "G12 b, 0101"}, {"sample", "2"}})));
    }
    RunPelkinCases(cases);
}

// File failures name the operation, the file and the reason. No name typed and a name too long
// are rows of the file failures (pelkin_run_cases.cpp), which show these lines too.
TEST(PelkinCases, FileFailureLines) {
    const auto failed = [](const char* operation, const char* file, const char* reason) {
        return Line(Msg::FileOperationFailed,
                    {{"operation", operation}, {"file", file}, {"reason", reason}});
    };
    RunPelkinCases({
        {.name = "folder_named_at_the_prompt",
         .files = {{"folder.gen", AFolder()}},
         .typed = "folder.gen\n",
         .status = 5,
         .err = failed("open", "folder.gen", "Is a directory")},
        {.name = "part_file_a_folder",
         .files = {GenePop("T\nA\nB\nPop\n1 a, 0101 0102\n"), {"pelkin.out.part", AFolder()}},
         .typed = "data.gen\n",
         .status = 5,
         .out = IntroAndPrompt + RuntimeReport(5, "00402040", "00402000"),
         .err = failed("create", "pelkin.out.part", "Is a directory")},
    });
}

// Locus names, a line's first characters, file names on the command line and typed at the
// prompt reach the console and standard error with every control byte, every byte outside
// valid UTF-8 and the C1 controls shown as \xHH and a backslash doubled; letters of any script
// stay, a NUL no longer cuts the line, and "pelkin.out" holds the name as it is. The expected
// lines are written out here, not filled from the table of texts, which would escape them alike.
TEST(PelkinCases, TextShownEscaped) {
    using namespace std::string_literals;
    const std::string name = "A\x1b[2J\\\0\xC2\x9B\xC3\xA9\xFF\x7F"s;
    const std::string name_shown = "A\\x1B[2J\\\\\\x00\\xC2\\x9B\xC3\xA9\\xFF\\x7F";
    const std::string file = "d\x1b]0;x\x07\t.gen";
    const std::string file_shown = "d\\x1B]0;x\\x07\\x09.gen";
    const std::string genepop = "T\n" + name + "\nPop\n1 a, 0000\n";
    const std::string intro = IntroAndPrompt.substr(0, IntroAndPrompt.rfind('\n') + 1);
    RunPelkinCases({
        {.name = "locus_name_and_file_name_shown_escaped",
         .files = {{file, genepop}},
         .args = {file},
         .out = intro + "Using data from " + file_shown + "\n",
         .err = "Pelkin: locus 1 (" + name_shown +
                ") has no typed copy in any generation, and Morvast refuses such a locus; "
                "remove it from \"" +
                file_shown + "\"\n" + Summary("1", "1", "1", "1", "0", "100.0"),
         .left = {{file, genepop}, Frequencies("1 1 T\n0  \n0 " + name + "  1\n")}},
        {.name = "line_start_shown_escaped",
         .files = {GenePop("T\nA\nPop\n1 \x1b[31m\x9B, 01-1\n")},
         .typed = "data.gen\n",
         .status = 1,
         .out = IntroAndPrompt + Line(Msg::NegativeCode, {{"locus", "1"}}),
         .err = "Pelkin: \"data.gen\" line 4 (\"1 \\x1B[31m\\x9B, 01-1\"): a negative allele "
                "code at locus 1 (A); write every allele code in digits alone, a missing copy "
                "as 00\n"},
        {.name = "typed_name_shown_escaped",
         .typed = "no\x1b[2Jsuch\n",
         .status = 2,
         .out = IntroAndPrompt + RuntimeReport(2, "00401010", "00401000"),
         .err = "Pelkin: cannot open \"no\\x1B[2Jsuch\": No such file or directory\n"},
    });
}

} // namespace
