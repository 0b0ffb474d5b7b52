// The report file. It is opened before the data file is read, so that a name that cannot be
// opened is refused first; the report is appended to it as it is formatted, under a lock, so
// that it is never mixed with that of another run appending to the same file at once, and a
// run that fails or is stopped on the way cuts the file back, so that a report is never left
// half-written.
#pragma once

#include <string_view>

// Opens the report file `outfilename` for appending, making it when there is none.
void OpenReport();

// Takes the lock and notes the file's length, to which a failure or a stop signal from here on
// cuts it back.
void StartReport();

// Appends `text` to the report. A text that cannot be written cuts the file back, leaving it as
// it was, and ends the run through Error.
void WriteReport(std::string_view text);

// Writes what is left of the report and closes the file; a failure ends the run as
// WriteReport's does. From here on the stop signals are held back, until the run releases them
// once the table is in place.
void FinishReport();

// Closes the report file of a run that failed before its report was finished: cut back to the
// length it had, and removed when this run made it and it holds nothing. Does nothing when no
// report file is open.
void AbandonReport();
