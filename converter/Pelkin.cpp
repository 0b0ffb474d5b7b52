// Pelkin: converts a GenePop file (two- or three-digit), whose "populations" are the
// generations sampled, into the allele-frequency file "pelkin.out" that the estimator reads.
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "command_line.h"
#include "console.h"
#include "conversion_run.h"
#include "file_failure.h"
#include "folder_lock.h"
#include "frequency_writer.h"
#include "genepop_reader.h"
#include "individual_lines.h"
#include "notices.h"
#include "run_end.h"
#include "run_state.h"
#include "stop_signals.h"

namespace {

// A standard stream that was closed when the program started gets /dev/null, so that no file the
// run opens takes its descriptor and receives the console's text or the notices. The lower ones
// are open by then, so /dev/null takes the descriptor of the stream itself.
void KeepStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDWR) != fd) {
            return;
        }
    }
}

} // namespace

int ConversionRun(int argc, char** argv) {
    ReadCommandLine(argc, argv);
    ShowIntro();
    // After the introduction, which touches no file, and before the prompt: a second run in a
    // busy folder asks for no name and opens nothing.
    LockWorkingFolder();
    OpenGenePop();
    CountAlleles();
    GetGenerations();
    WriteFreqFile();
    ReportConversion();
    return 0;
}

int PelkinMain(int argc, char** argv) {
    KeepStandardStreams();
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    CatchStopSignals();
    int status = 0;
    try {
        status = ConversionRun(argc, argv);
    } catch (const RunEnd& end) {
        AbandonText(infile);
        AbandonOutText(freqfile);
        DisownPartFile();
        status = ReportRunEnd(end);
    }
    // The folder is free once every file of the run is closed.
    ReleaseWorkingFolder();
    return status;
}

void ResetRun() {
    ResetRunState();
    AbandonText(infile);
    AbandonOutText(freqfile);
    DisownPartFile();
    EnterStep(Step::OpenGenePop);
    std::clearerr(stdin);
}
