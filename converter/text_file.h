// The reads of the converter's text files, with a stdio-like face over a buffered reader: a line
// read of at most m characters, a character read that yields code 26 at the end of the file,
// dropping the rest of a line, and the integer read. A line ends at a line feed, at a carriage
// return, or at a carriage return followed by a line feed. Every failure of the system ends the
// run with the file-failure report.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// Large reads cost the system less per byte; a quarter of a megabyte still stays in the cache.
constexpr std::size_t TextBufferSize = 1 << 18;
// Bytes kept readable past the buffered text, so that a scan may load a whole block at once.
constexpr std::size_t ScanSlack = 128;

struct TextFile {
    std::FILE* file = nullptr;
    alignas(64) std::array<char, TextBufferSize + ScanSlack> buffer{};
    std::size_t pos = 0;  // next unread character in `buffer`
    std::size_t end = 0;  // characters held in `buffer`
    bool drained = false; // the system has no more characters to give
};

constexpr int EndOfText = -1;
constexpr char EndOfFileChar = 26;
constexpr std::size_t WholeLine = static_cast<std::size_t>(-1);

// Opens the file of that name for reading from its start; a folder fails as access denied.
void OpenText(TextFile& text, const std::string& name);
void CloseText(TextFile& text);

// Refills the buffer; false when the file has no characters left.
bool RefillText(TextFile& text);

// Makes at least `wanted` characters (at most the buffer's size less a page and a little) ready
// in the buffer, as far as the file still has them, by moving the unread rest to the buffer's
// start and reading on.
void FillAhead(TextFile& text, std::size_t wanted);

// The characters ready in the buffer, from the read position on.
inline std::string_view Ahead(const TextFile& text) {
    return {text.buffer.data() + text.pos, text.end - text.pos};
}

// True once every character of the file has been taken.
inline bool AtEnd(TextFile& text) {
    return text.pos == text.end && !RefillText(text);
}

// The next character as 0..255, or EndOfText.
inline int NextChar(TextFile& text) {
    if (text.pos == text.end && !RefillText(text)) {
        return EndOfText;
    }
    return static_cast<unsigned char>(text.buffer[text.pos++]);
}

// The next character without taking it, or EndOfText.
inline int PeekChar(TextFile& text) {
    if (text.pos == text.end && !RefillText(text)) {
        return EndOfText;
    }
    return static_cast<unsigned char>(text.buffer[text.pos]);
}

// The character read: the next character, line ends included; code 26 at the end of the file,
// where it stays. A code 26 inside the file is an ordinary character.
inline char GetChar(TextFile& text) {
    const int c = NextChar(text);
    return c == EndOfText ? EndOfFileChar : static_cast<char>(c);
}

// Takes a line feed that follows a carriage return, so that the pair is one line end.
inline void TakeLineFeed(TextFile& text) {
    if (PeekChar(text) == '\n') {
        ++text.pos;
    }
}

// The line read: up to the line end or `limit` characters, whichever comes first; the rest of
// the line and its line end are dropped. Empty text at the end of the file.
std::string ReadLine(TextFile& text, std::size_t limit);

// Skips characters up to and including the next line end.
void DropLine(TextFile& text);

// The integer read: skips characters of code 32 or less, takes the word up to the next such
// character (at most 255 characters, the delimiter left unread) and converts it. A word that
// does not convert ends the run with error 106; at the end of the file the value is 0.
std::int32_t ReadInteger(TextFile& text);
