// Character reads from the frequency file and from the answers on standard input, with the few
// characters of look-ahead that the number reads need to take the longest prefix of an item that
// forms a number and leave the rest of it unread.
#pragma once

#include <array>
#include <cstdio>

// Room for more than the three characters that a number read looks at before it takes any:
// "0x" and a digit, "e+" and a digit, or a sign, a point and a digit.
inline constexpr int MaxLookAhead = 4;

struct TextInput {
    std::FILE* file = nullptr;
    std::array<int, MaxLookAhead> ahead{}; // characters taken from the file but not yet read
    int n_ahead = 0;
};

// The character `k` places ahead of the next one (0 is the next, k below MaxLookAhead), or EOF;
// nothing is consumed.
int PeekChar(TextInput& in, int k);
// Reads the next character, or EOF.
int GetChar(TextInput& in);
// Reads the next character, giving a carriage return followed by a line feed as one line feed.
int GetLineChar(TextInput& in);
// Passes over white space: blanks, tabs, carriage returns and line ends.
void SkipSpace(TextInput& in);
// Reads characters up to and including the next line feed, or to the end of the file.
void SkipLine(TextInput& in);
// Reads characters up to, not including, the next line feed.
void SkipToLineEnd(TextInput& in);
