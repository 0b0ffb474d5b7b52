// Morvast: estimates the variance-effective size of a population from the drift of allele
// frequencies between samples taken in different generations, and appends the report to the
// report file; with --table FILE it also writes the results as a table to FILE.
#include <csignal>
#include <string>
#include <vector>

#include "command_line.h"
#include "data_tables.h"
#include "dialogue.h"
#include "error.h"
#include "estimation_run.h"
#include "frequency_reader.h"
#include "messages.h"
#include "opening_screen.h"
#include "report.h"
#include "report_file.h"
#include "results_table.h"
#include "table_file.h"

int EstimationRun(int argc, char** argv) {
    std::vector<std::string> names;
    if (TakeCommandLine(argc, argv, names) == Invocation::answered) {
        return 0;
    }
    const bool table_on_output = tablefilename == TableOnStandardOutput;
    if (table_on_output) {
        console = stderr;
    }
    OpeningScreen();
    TakeFileNames(names);
    RefuseTableOverInputs();
    AskSamplePlan();

    OpenReport();
    Print(Text::reading, {{"DATA", infilename}});
    GetData(infilename);
    Print(Text::processing, {{"DATA", infilename}});

    std::string report = PreambleText();
    for (int sample = 1; sample < n_samples; ++sample) {
        report += IntervalText(sample);
    }
    report += LegendText();

    // The table is written whole before the report is appended, and takes the place of an
    // earlier table only once the report is in its file.
    if (!tablefilename.empty() && !table_on_output) {
        WriteTableDraft(TableText());
    }
    AppendReport(report);
    CommitTable();
    if (table_on_output) {
        WriteTableOnStandardOutput(TableText());
    }
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
    console = stdout;
    ResetAnswers();
}
