// The line on standard error that every refusal adds to its message: the file, the line at
// fault where one line is (counted as the reads end lines, LF, CR LF or CR alone) with its
// first 20 characters, and what to change. Standard output and the status stay as they were.
#include <gtest/gtest.h>

#include "pelkin_cases.h"

namespace {

using testing_support::AFolder;
using testing_support::Case;

std::string WithLineEnds(const std::string& text, const std::string& line_end) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? line_end : std::string(1, c);
    }
    return out;
}

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
                                IndividualsMessage(),
                                Line(Msg::ShortLine, {{"file", "data.gen"},
                                                      {"line", "6"},
                                                      {"start", "1 b, 0303"},
                                                      {"locus", "2"},
                                                      {"name", "B"},
                                                      {"length", "4"}})));
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

} // namespace
