// Morvast: estimates the variance-effective size of a population from the drift of allele
// frequencies between samples taken in different generations, and appends the report to the
// report file; with --table FILE it also writes the results as a table to FILE.
#include <csignal>

#include "data_tables.h"
#include "dialogue.h"
#include "error.h"
#include "estimation_run.h"
#include "frequency_reader.h"
#include "messages.h"
#include "opening_screen.h"
#include "report_file.h"
#include "results_writer.h"
#include "table_file.h"

int EstimationRun(int argc, char** argv) {
    if (AnswerInfoOption(argc, argv)) {
        return 0;
    }
    OpeningScreen();
    const int table_arguments = TakeTableOption(argc, argv);
    TakeFileNames(argc - table_arguments, argv + table_arguments);
    RefuseTableOverInputs();
    AskSamplePlan();

    OpenReport();
    Print(Text::reading, {{"DATA", infilename}});
    GetData(infilename);
    Print(Text::processing, {{"DATA", infilename}});

    // The table's draft is made before the report is started, and takes the place of an earlier
    // table only once the report is in its file.
    const bool with_table = !tablefilename.empty();
    if (with_table) {
        StartTableDraft();
    }
    StartReport();
    WriteResults(WriteReport, with_table ? WriteTable : nullptr);
    FinishTableDraft();
    FinishReport();
    CommitTable();
    Print(Text::result_written, {{"REPORT", outfilename}});
    return 0;
}

int MorvastMain(int argc, char** argv) {
    // A write beyond the file-size limit, or to a pipe closed at its far end, fails as any
    // write does instead of ending the process unannounced.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return EstimationRun(argc, argv);
    } catch (const RunEnd& end) {
        AbandonReport();
        AbandonTable();
        return ReportRunEnd(end);
    }
}

void ResetRun() {
    ResetRunValues();
    ResetAnswers();
}
