// The table file of `Morvast --table FILE`: taken from the command line before the file names.
// A table that is a file, or a name of none yet, is written whole to a draft beside it and
// renamed over it only once the report is appended, so that a failed run leaves an earlier
// table as it was and no draft behind. A character device or a named pipe cannot be drafted:
// the table is written to it after the report, and it is never replaced.
#pragma once

#include <string>

// How the table reaches its file.
enum class TableWay {
    none,     // no --table
    drafted,  // a draft renamed over the name
    straight, // written to the device or the named pipe itself
};

// Takes "--table FILE" from the start of the arguments into tablefilename; returns how many
// arguments it took (2, or 0 without the option).
int TakeTableOption(int argc, char** argv);

// Makes every check that can refuse the table before the report is appended: its type (a
// folder, a socket and a block device are refused), its name and its folder. For a drafted
// table it makes the draft, for a device it opens it. A refusal ends the run naming the table.
TableWay PrepareTable();

// Writes `text` whole to the draft; a failure ends the run naming the table, with the draft
// removed.
void WriteTableDraft(const std::string& text);

// Puts the draft in place of the table file, the one step after the report is appended.
void CommitTable();

// Writes `text` whole to the device or the named pipe, which the report already precedes; the
// open of a named pipe waits for a reader.
void WriteTableStraight(const std::string& text);

// Removes the draft of a run that failed before it was put in place, and closes the table's
// file. Does nothing when there is neither.
void AbandonTable();
