// The console as the converter uses it: clearing the screen (only on a terminal), the
// introduction, and the prompt for the GenePop file's name.
#pragma once

#include <optional>
#include <string>

// Cursor to the top left corner and screen erased, when standard output is a terminal;
// nothing otherwise, so that piped output holds only the text.
void ClearScreen();
// The text that ClearScreen writes: the two escape sequences, or nothing.
std::string ScreenClearing();

void PrintEmptyLines(int count);

// Clears the screen and prints the introduction.
void ShowIntro();

// Prints three empty lines and the prompt, and reads the name typed: the whole line, blanks
// kept, up to the first carriage return or line feed. No value at the end of standard input.
std::optional<std::string> AskFileName();
