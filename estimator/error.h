// The estimator's one way out on failure. Error ends the run by throwing its end, which the
// program's entry turns into the message and the exit status; a test harness that runs whole
// runs in its own process catches it alike.
#pragma once

#include <string>

// How a run ended other than by finishing: the message for the standard error stream, the
// exit status, and what follows the message's line there: a line that says what to change, or
// the usage after a fault of the command line.
struct RunEnd {
    std::string message;
    int status = 1;
    std::string after;
};

// Ends the run with `message` and status 1.
[[noreturn]] void Error(const std::string& message);

// Ends the run with `message`, status 1, and on the line after it `hint`, which says in plain
// words what was read, what was expected and what to change.
[[noreturn]] void Error(const std::string& message, const std::string& hint);

// Writes what a run that ended so reports, the console's lines first and then the message, a
// line end and what follows it on the standard error stream, and returns its exit status. A
// standard output that cannot take its last lines, such as a pipe closed at its far end, changes
// neither.
int ReportRunEnd(const RunEnd& end);
