// The table file of `Morvast --table FILE`: taken from the command line before the file names,
// kept from replacing the data file or the report file, written to a draft beside it as it is
// formatted and renamed over it only when the run has succeeded, so that a failed run leaves an
// earlier table as it was and no draft behind.
#pragma once

#include <string_view>

// Takes "--table FILE" from the start of the arguments into tablefilename; returns how many
// arguments it took (2, or 0 without the option).
int TakeTableOption(int argc, char** argv);

// Ends the run when the table would replace the data file or the report file, by name or, where
// the files exist, as the same file under another name.
void RefuseTableOverInputs();

// Makes a new draft in the table's folder. A failure here or in the two below ends the run
// naming the table, with the draft removed.
void StartTableDraft();
// Adds `text` to the draft.
void WriteTable(std::string_view text);
// Writes what is left of the draft and closes it.
void FinishTableDraft();

// Puts the draft in place of the table file.
void CommitTable();

// Removes the draft of a run that failed before it was put in place. Does nothing when there is
// none.
void AbandonTable();
