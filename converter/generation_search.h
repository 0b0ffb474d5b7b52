// The search for the samples' generation numbers, made alongside the reading of the individual
// lines as a watch of the same reads (text_file.h), so that the file is read once. Its rules are
// its own, line by line from the line after the title: a line whose first three characters are
// "POP", "Pop" or "pop" is a marker, the locus-name lines included, and the first word after a
// marker (past blanks, tabs, line ends and other characters of code 32 or less) is the number
// of the next sample; the search goes on with the rest of that word's line. A marker whose next
// word begins a marker line, with only blanks, tabs and line ends before it, or which the end
// of the file follows, starts no sample and gives no number, as the reading of the individual
// lines finds such a sample empty.
#pragma once

#include <cstdint>

#include "text_file.h"

// Starts the search over `text`, open at its start, from its first character.
void StartGenerationSearch(TextFile& text);

// Whether the search still needs characters to give `samples` numbers.
bool SearchNeedsMore(std::int32_t samples);

// Ends the search at the end of the file, which `text` has reached.
void EndGenerationSearch(TextFile& text);

// The number of sample `sample` (1, 2, ...): 0 past the last marker the search found.
std::int32_t FoundNumber(std::int32_t sample);

// The first sample whose number did not read as a whole number, or 0; `last_char_at` is where
// the last character of its word stands.
struct UnreadNumber {
    std::int32_t sample = 0;
    std::uint64_t last_char_at = 0;
};
UnreadNumber FirstUnreadNumber();
