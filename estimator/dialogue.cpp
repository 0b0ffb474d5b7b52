#include "dialogue.h"

#include <cstdio>
#include <string>
#include <string_view>
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

// Whether the file names were answers to the prompts, where a name ends at its first blank.
bool names_prompted = false;

// The longest start of an answer that a refusal or a notice quotes.
constexpr std::size_t QuotedLength = 40;

void Prompt(Text prompt) {
    Print(prompt);
    std::fflush(console);
}

// The next answer as typed, its first QuotedLength characters, in double quotes; empty at the
// end of the input. Nothing is consumed.
std::string AnswerAhead() {
    SkipSpace(answers);
    if (answers.Peek() == EOF) {
        return {};
    }
    std::string typed(1, '"');
    for (std::size_t k = 0; k < QuotedLength; ++k) {
        const int c = answers.Peek(k);
        if (c == EOF || IsSpace(c)) {
            break;
        }
        typed.push_back(static_cast<char>(c));
    }
    typed.push_back('"');
    return typed;
}

[[noreturn]] void RefusePlan(const std::string& typed) {
    if (typed.empty()) {
        Error(Say(Text::invalid_entry), Say(Text::plan_at_end));
    }
    // A word where a number was asked for is most likely the rest of a file name with a blank.
    const bool word = typed[1] != '+' && typed[1] != '-' && (typed[1] < '0' || typed[1] > '9');
    Error(Say(Text::invalid_entry),
          Say(names_prompted && word ? Text::plan_after_names_hint : Text::plan_hint,
              {{"ANSWER", typed}}));
}

// Tells on the standard error stream how N was read when its answer says another number to
// the eye: a leading 0 or 0x reads it in base 8 or 16, and anything after its digits is left.
void NoteHowCensusWasRead(const std::string& typed) {
    const std::string_view digits = std::string_view(typed).substr(typed[1] == '+' ? 2 : 1);
    std::string why;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        why = Say(Text::census_read_in_base_16);
    } else if (digits.size() > 2 && digits[0] == '0' && digits[1] >= '0' && digits[1] <= '9') {
        why = Say(Text::census_read_in_base_8);
    }
    const int next = answers.Peek();
    if (next != EOF && !IsSpace(next)) {
        why += (why.empty() ? "" : " and ") + Say(Text::census_read_in_part);
    }
    if (!why.empty()) {
        Warn(Text::census_read_notice,
             {{"N", std::to_string(census_size)}, {"ANSWER", typed}, {"WHY", why}});
    }
}

void AskCensus() {
    Prompt(Text::census_prompt);
    const std::string typed = AnswerAhead();
    // A zero N would make the plan-1 correction divide by zero.
    if (!ReadInteger(answers, census_size) || census_size <= 0) {
        Error(Say(Text::invalid_entry), typed.empty()
                                            ? Say(Text::census_at_end)
                                            : Say(Text::census_hint, {{"ANSWER", typed}}));
    }
    NoteHowCensusWasRead(typed);
}

} // namespace

void TakeFileNames(const std::vector<std::string>& names) {
    if (names.empty()) {
        names_prompted = true;
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
    const std::string typed = AnswerAhead();
    if (!ReadInteger(answers, sample_plan) || (sample_plan != 1 && sample_plan != 2)) {
        RefusePlan(typed);
    }
    if (sample_plan == 1) {
        AskCensus();
    }
}

void ResetAnswers() {
    answers.Forget();
    names_prompted = false;
}
