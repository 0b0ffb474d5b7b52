// The report file. It is opened before the data file is read, so that a name that cannot be
// opened is refused first; the report, built in memory, is appended to it whole under a lock,
// so that a report is never left half-written, nor mixed with that of another run appending
// to the same file at once.
#pragma once

#include <string>

// Opens the report file `outfilename` for appending, making it when there is none.
void OpenReport();

// Appends `report` to the report file whole and closes it. From its first write on, the stop
// signals are held back, until the run releases them once the table is in place. A report that
// cannot be written whole is cut off again, leaving the file as it was, and the run ends
// through Error.
void AppendReport(const std::string& report);

// Closes the report file of a run that failed before its report was appended, removing the
// file when this run made it and it holds nothing. Does nothing when no report file is open.
void AbandonReport();
