// The steps of the conversion run that belong to no other part: asking for the GenePop file
// and opening it, and erasing the count files at the end.
#pragma once

// Prompts for the GenePop file's name and opens the file. An empty name, or the end of
// standard input, names no file and fails as a file that does not exist.
void OpenGenePop();

// Deletes the count files of loci 1..n_loc.
void EraseCountFiles();
