#include "dialogue.h"

#include <cstdio>
#include <string>

#include "data_tables.h"
#include "error.h"
#include "messages.h"
#include "number_read.h"
#include "project_version.h"
#include "text_input.h"

namespace {

// The answers are items separated by white space, not lines: whatever follows an item answers
// the next prompt.
TextInput answers{stdin};

void Prompt(Text prompt) {
    Print(prompt);
    std::fflush(stdout);
}

} // namespace

bool AnswerInfoOption(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        Print(Text::usage);
        return true;
    }
    if (first == "--version") {
        Print(Text::version, {{"VERSION", ProjectVersion}});
        return true;
    }
    return false;
}

void TakeFileNames(int argc, char** argv) {
    if (argc < 2) {
        Prompt(Text::data_file_prompt);
        ReadItem(answers, infilename);
        Prompt(Text::report_file_prompt);
        ReadItem(answers, outfilename);
        return;
    }
    infilename = argv[1];
    Print(Text::using_data, {{"DATA", infilename}});
    if (argc == 2) {
        outfilename = infilename + ".OUT";
        Print(Text::writing_results, {{"REPORT", outfilename}});
    } else {
        outfilename = argv[2];
    }
}

void AskSamplePlan() {
    Prompt(Text::plan_prompt);
    if (!ReadInteger(answers, sample_plan) || (sample_plan != 1 && sample_plan != 2)) {
        Error(Say(Text::invalid_entry));
    }
    if (sample_plan != 1) {
        return;
    }
    Prompt(Text::census_prompt);
    // A zero N would make the plan-1 correction divide by zero.
    if (!ReadInteger(answers, census_size) || census_size <= 0) {
        Error(Say(Text::invalid_entry));
    }
}

void ResetAnswers() {
    answers.Forget();
}
