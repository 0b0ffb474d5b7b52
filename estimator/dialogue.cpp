#include "dialogue.h"

#include <cstdio>
#include <string>
#include <vector>

#include "data_tables.h"
#include "error.h"
#include "messages.h"
#include "number_read.h"
#include "text_input.h"

namespace {

// The answers are items separated by white space, not lines: whatever follows an item answers
// the next prompt.
TextInput answers{stdin};

void Prompt(Text prompt) {
    Print(prompt);
    std::fflush(console);
}

} // namespace

void TakeFileNames(const std::vector<std::string>& names) {
    if (names.empty()) {
        Prompt(Text::data_file_prompt);
        ReadItem(answers, infilename);
        Prompt(Text::report_file_prompt);
        ReadItem(answers, outfilename);
        return;
    }
    infilename = names[0];
    Print(Text::using_data, {{"DATA", infilename}});
    if (names.size() == 1) {
        outfilename = infilename + ".OUT";
        Print(Text::writing_results, {{"REPORT", outfilename}});
    } else {
        outfilename = names[1];
    }
}

void AskSamplePlan() {
    // A plan given on the command line comes with its N, and nothing is asked.
    if (sample_plan != 0) {
        return;
    }
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
