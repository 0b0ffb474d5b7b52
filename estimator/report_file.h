// The report file, opened for appending before the data file is read and closed at the end of
// the run, so that every run adds its report after the earlier ones.
#pragma once

#include <string>

// Opens the report file `outfilename` for appending.
void OpenReport();
// Closes the report file; a report that did not reach the file is a failure.
void CloseReport();

void WriteReportText(const std::string& text);
