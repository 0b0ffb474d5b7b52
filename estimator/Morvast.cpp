// Morvast: estimates the variance-effective size of a population from the drift of allele
// frequencies between samples taken in different generations, and appends the report to the
// report file; with --table FILE it also writes the results as a table to FILE, and with
// --plot FILE a figure of them.
#include <csignal>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "command_line.h"
#include "data_tables.h"
#include "dialogue.h"
#include "error.h"
#include "estimation_run.h"
#include "figure_of_run.h"
#include "frequency_reader.h"
#include "messages.h"
#include "opening_screen.h"
#include "plot_file.h"
#include "report_file.h"
#include "results_writer.h"
#include "same_file.h"
#include "stop_signals.h"
#include "table_file.h"
#include "warnings.h"

namespace {

// Whether standard output was open when the program started: --table - needs it.
bool output_open_at_start = true;

// A standard stream that was closed when the program started gets /dev/null, so that no file the
// run opens takes its descriptor and receives the console's lines or a message. The lower ones
// are open by then, so /dev/null takes the descriptor of the stream itself.
void KeepStandardStreams() {
    output_open_at_start = fcntl(STDOUT_FILENO, F_GETFD) >= 0;
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDWR) != fd) {
            return;
        }
    }
}

} // namespace

int EstimationRun(int argc, char** argv) {
    std::vector<std::string> names;
    if (TakeCommandLine(argc, argv, output_open_at_start, names) == Invocation::answered) {
        return 0;
    }
    const bool table_on_output = tablefilename == TableOnStandardOutput;
    if (table_on_output) {
        console = stderr;
    }
    OpeningScreen();
    TakeFileNames(names);
    // Standard output is no file of the run's that another could be.
    RefuseSameFiles({{"DATA", infilename},
                     {"REPORT", outfilename},
                     {"TABLE", table_on_output ? std::string() : tablefilename},
                     {"PLOT", plotfilename}});
    AskSamplePlan();

    OpenReport();
    Print(Text::reading, {{"DATA", infilename}});
    GetData(infilename);
    Print(Text::processing, {{"DATA", infilename}});
    WarnOfData();

    // Whatever can refuse the table is found before the report is started. A drafted table
    // takes the place of an earlier one only once the report is in its file; a device or a
    // named pipe, which cannot be drafted, takes the table after the report.
    const TableWay table = PrepareTable();
    const PlotWay plot = PreparePlot();
    FigureData figure = FigureOfRun();
    StartReport();
    WriteResults(WriteReport, table == TableWay::none ? nullptr : WriteTable,
                 plot == PlotWay::none ? nullptr : &figure);
    FinishTableDraft();
    if (plot != PlotWay::none) {
        WritePlot(figure);
    }
    FinishReport();
    CommitTable();
    CommitPlot();
    ReleaseStopSignals();
    if (table == TableWay::straight) {
        WriteTableStraight();
    }
    if (plot == PlotWay::straight) {
        WritePlotStraight();
    }
    Print(Text::result_written, {{"REPORT", outfilename}});
    return 0;
}

int MorvastMain(int argc, char** argv) {
    KeepStandardStreams();
    CatchStopSignals();
    // A write beyond the file-size limit, or to a pipe closed at its far end, fails as any
    // write does instead of ending the process unannounced.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return EstimationRun(argc, argv);
    } catch (const RunEnd& end) {
        AbandonReport();
        AbandonTable();
        AbandonPlot();
        ReleaseStopSignals();
        return ReportRunEnd(end);
    }
}

void ResetRun() {
    ResetRunValues();
    console = stdout;
    ResetAnswers();
}
