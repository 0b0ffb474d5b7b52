// The estimator's one way out on failure. Error ends the run by throwing its end, which the
// program's entry turns into the message and the exit status; a test harness that runs whole
// runs in its own process catches it alike.
#pragma once

#include <string>

// How a run ended other than by finishing: the message for the standard error stream and the
// exit status.
struct RunEnd {
    std::string message;
    int status = 1;
};

// Ends the run with `message` and status 1.
[[noreturn]] void Error(const std::string& message);

// Writes what a run that ended so reports, standard output first and then the message and a
// line end on the standard error stream, and returns its exit status. A standard output that
// cannot take its last lines, such as a pipe closed at its far end, changes neither.
int ReportRunEnd(const RunEnd& end);
