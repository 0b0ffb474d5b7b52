// Morvast: estimates the variance-effective size of a population from the drift of allele
// frequencies between samples taken in different generations, and appends the report to the
// report file; with --table FILE it also writes the results as a table to FILE.
#include <cstdio>

#include "data_tables.h"
#include "dialogue.h"
#include "frequency_reader.h"
#include "opening_screen.h"
#include "report.h"
#include "report_file.h"
#include "results_table.h"
#include "table_file.h"

int main(int argc, char** argv) {
    OpeningScreen();
    const int table_arguments = TakeTableOption(argc, argv);
    TakeFileNames(argc - table_arguments, argv + table_arguments);
    RefuseTableOverInputs();
    AskSamplePlan();

    OpenReport();
    std::printf("Reading %s\n", infilename.c_str());
    GetData(infilename);
    std::printf("Processing %s\n", infilename.c_str());

    // The table is written whole before any of the report, and takes the place of an earlier
    // table only once the report is in its file.
    if (!tablefilename.empty()) {
        WriteTableDraft(TableText());
    }
    WritePreamble();
    for (int sample = 1; sample < n_samples; ++sample) {
        WriteInterval(sample);
    }
    WriteLegend();

    CloseReport();
    CommitTable();
    std::printf("Result written to %s\n", outfilename.c_str());
    return 0;
}
