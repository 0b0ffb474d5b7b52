// The table file of `Morvast --table FILE`: kept from replacing the data file or the report
// file, written whole to a draft beside it and renamed over it only when the run has succeeded,
// so that a failed run leaves an earlier table as it was and no draft behind; or, for
// `--table -`, written on standard output once the report is appended.
#pragma once

#include <string>

// Ends the run when the table would replace the data file or the report file, by name or, where
// the files exist, as the same file under another name.
void RefuseTableOverInputs();

// Writes `text` whole to a new draft in the table's folder; a failure ends the run naming the
// table, with the draft removed.
void WriteTableDraft(const std::string& text);

// Writes `text` whole on standard output, for `--table -`; a failure ends the run naming the
// table.
void WriteTableOnStandardOutput(const std::string& text);

// Puts the draft in place of the table file.
void CommitTable();

// Removes the draft of a run that failed before it was put in place. Does nothing when there is
// none.
void AbandonTable();
