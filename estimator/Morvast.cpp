// Morvast: estimates the variance-effective size of a population from the drift of allele
// frequencies between samples taken in different generations, and appends the report to the
// report file.
#include <cstdio>

#include "data_tables.h"
#include "dialogue.h"
#include "frequency_reader.h"
#include "opening_screen.h"
#include "report.h"
#include "report_file.h"

int main(int argc, char** argv) {
    if (AnswerInfoOption(argc, argv)) {
        return 0;
    }
    OpeningScreen();
    TakeFileNames(argc, argv);
    AskSamplePlan();

    OpenReport();
    std::printf("Reading %s\n", infilename.c_str());
    GetData(infilename);
    std::printf("Processing %s\n", infilename.c_str());

    WritePreamble();
    for (int sample = 1; sample < n_samples; ++sample) {
        WriteInterval(sample);
    }
    WriteLegend();

    CloseReport();
    std::printf("Result written to %s\n", outfilename.c_str());
    return 0;
}
