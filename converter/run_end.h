// How a conversion ends other than by finishing: the file-failure report, a refused GenePop
// file, a second run in a busy folder, and the command-line answers and refusals all end the run
// by throwing its end, which the program's entry turns into output and the exit status. A test
// harness that makes whole runs in its own process catches it alike.
#pragma once

#include <string>

struct RunEnd {
    std::string shown; // for standard output, after whatever the run printed before
    std::string hint;  // for standard error, its lines ended
    int status = 1;    // the exit status
};

// Ends the run: `shown` on standard output, then `hint` on standard error, and `status`.
[[noreturn]] void EndRun(std::string shown, std::string hint, int status);

// Writes what a run that ended so reports, standard output first, and returns its exit status.
// A standard output that cannot take it, such as a pipe closed at its far end, changes neither
// the line on standard error nor the status.
int ReportRunEnd(const RunEnd& end);
