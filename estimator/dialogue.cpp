#include "dialogue.h"

#include <cstdio>
#include <string>

#include "data_tables.h"
#include "error.h"
#include "number_read.h"
#include "project_version.h"
#include "text_input.h"

namespace {

// The answers are items separated by white space, not lines: whatever follows an item answers
// the next prompt.
TextInput answers{stdin};

void Prompt(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}

constexpr const char* Usage =
    "Usage: Morvast [DATA [REPORT]]\n"
    "       Morvast --help | -h\n"
    "       Morvast --version\n"
    "Estimates the effective size Ne from the frequency file DATA (as Pelkin writes\n"
    "it) and appends the report to REPORT, or to DATA.OUT when only DATA is given;\n"
    "without arguments, asks for both. Then asks for the sample plan (1 or 2) and,\n"
    "for plan 1, the census size N.\n";

} // namespace

bool AnswerInfoOption(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        std::fputs(Usage, stdout);
        return true;
    }
    if (first == "--version") {
        std::printf("Morvast %s\n", ProjectVersion);
        return true;
    }
    return false;
}

void TakeFileNames(int argc, char** argv) {
    if (argc < 2) {
        Prompt("Enter name of data file: ");
        ReadItem(answers, infilename);
        Prompt("Enter output file name: ");
        ReadItem(answers, outfilename);
        return;
    }
    infilename = argv[1];
    std::printf("Using data from %s\n", infilename.c_str());
    if (argc == 2) {
        outfilename = infilename + ".OUT";
        std::printf("Writing resuls to %s\n", outfilename.c_str());
    } else {
        outfilename = argv[2];
    }
}

void AskSamplePlan() {
    Prompt("Enter sample plan (1 or 2): ");
    if (!ReadInteger(answers, sample_plan) || (sample_plan != 1 && sample_plan != 2)) {
        Error(" Invalid entry ");
    }
    if (sample_plan != 1) {
        return;
    }
    Prompt("Enter actual (census) population size, N: ");
    // A zero N would make the plan-1 correction divide by zero.
    if (!ReadInteger(answers, census_size) || census_size <= 0) {
        Error(" Invalid entry ");
    }
}
