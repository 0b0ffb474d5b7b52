// The table file of `Morvast --table FILE`. A table that is a file, or a name of none yet, is
// written to a draft beside it as it is formatted and renamed over it only once the report is
// appended, so that a failed run leaves an earlier table as it was and no draft behind. A
// character device, a named pipe or standard output (`--table -`) cannot be drafted: the table
// is formatted into a nameless file of the system's temporary folder and copied to it after the
// report, and it is never replaced.
#pragma once

#include <string_view>

// How the table reaches its file.
enum class TableWay {
    none,     // no --table
    drafted,  // a draft renamed over the name
    straight, // written to the device, the named pipe or standard output itself
};

// Makes every check that can refuse the table before the report is appended: its type (a
// folder, a socket and a block device are refused), its name and its folder. For a drafted
// table it makes the draft, for a device it opens it and makes the nameless file the table is
// formatted into. A refusal ends the run naming the table.
TableWay PrepareTable();

// Adds `text` to the draft, or to the nameless file; a failure ends the run naming the table,
// with the draft removed.
void WriteTable(std::string_view text);

// Writes what is left of the draft and closes it; a failure ends the run as WriteTable's does.
void FinishTableDraft();

// Puts the draft in place of the table file, the one step after the report is appended.
void CommitTable();

// Copies the table from the nameless file to the device or the named pipe, which the report
// already precedes; the open of a named pipe waits for a reader.
void WriteTableStraight();

// Removes the draft of a run that failed before it was put in place, and closes the table's
// file. Does nothing when there is neither.
void AbandonTable();
