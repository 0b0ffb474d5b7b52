// The reads of the converter's text files, with a stdio-like face over a buffered reader: a line
// read of at most m characters, a character read that yields code 26 at the end of the file,
// dropping the rest of a line, and the integer read. A line ends at a line feed, at a carriage
// return, or at a carriage return followed by a line feed. Every failure of the system ends the
// run with the file-failure report.
//
// The buffer is this layer's own: the functions declared here are the only ones that see it.
// Above them, a reader takes characters one at a time, or looks at the characters buffered
// ahead and skips those it has taken from there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

// Large reads cost the system less per byte; a quarter of a megabyte still stays in the cache.
constexpr std::size_t TextBufferSize = 1 << 18;

constexpr int EndOfText = -1;
constexpr char EndOfFileChar = 26;
constexpr std::size_t WholeLine = static_cast<std::size_t>(-1);

class TextFile {
    friend void OpenText(TextFile& text, const std::string& name);
    friend void CloseText(TextFile& text);
    friend int NextChar(TextFile& text);
    friend int PeekChar(TextFile& text);
    friend std::string_view Buffered(TextFile& text);
    friend void Skip(TextFile& text, std::size_t count);
    friend std::uint64_t Offset(const TextFile& text);
    friend const std::string& NameOf(const TextFile& text);

    // Reads the next characters of the file into the buffer; false when it has none left.
    bool Refill();

    std::FILE* file_ = nullptr;
    std::string name_;
    std::array<char, TextBufferSize> buffer_{};
    std::size_t pos_ = 0;     // next unread character in `buffer_`
    std::size_t end_ = 0;     // characters held in `buffer_`
    std::uint64_t start_ = 0; // where in the file `buffer_` begins
    bool drained_ = false;    // the system has no more characters to give
};

// Opens the file of that name for reading from its start; a folder fails as access denied.
void OpenText(TextFile& text, const std::string& name);
void CloseText(TextFile& text);

// The next character as 0..255, or EndOfText.
inline int NextChar(TextFile& text) {
    if (text.pos_ == text.end_ && !text.Refill()) {
        return EndOfText;
    }
    return static_cast<unsigned char>(text.buffer_[text.pos_++]);
}

// The next character without taking it, or EndOfText.
inline int PeekChar(TextFile& text) {
    if (text.pos_ == text.end_ && !text.Refill()) {
        return EndOfText;
    }
    return static_cast<unsigned char>(text.buffer_[text.pos_]);
}

// The characters buffered from the read position on, not taken; the buffer is refilled first
// when none are left, so the view is empty only at the end of the file. It stays valid until
// the next read.
std::string_view Buffered(TextFile& text);

// Takes `count` characters of those that Buffered shows (at most all of them).
inline void Skip(TextFile& text, std::size_t count) {
    text.pos_ += count < text.end_ - text.pos_ ? count : text.end_ - text.pos_;
}

// How many characters of the file have been taken.
inline std::uint64_t Offset(const TextFile& text) {
    return text.start_ + text.pos_;
}

// The name the file was opened by.
inline const std::string& NameOf(const TextFile& text) {
    return text.name_;
}

// True once every character of the file has been taken.
inline bool AtEnd(TextFile& text) {
    return PeekChar(text) == EndOfText;
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
        Skip(text, 1);
    }
}

// The line read: up to the line end or `limit` characters, whichever comes first; the rest of
// the line and its line end are dropped. Empty text at the end of the file.
std::string ReadLine(TextFile& text, std::size_t limit);

// Skips characters up to and including the next line end.
void DropLine(TextFile& text);

// The integer read: skips characters of code 32 or less, takes the word up to the next such
// character (at most 255 characters, the delimiter left unread) and converts it; at the end of
// the file the value is 0. No value when the word does not convert: the caller refuses it, and
// the word's last character stands right before Offset.
std::optional<std::int32_t> ReadInteger(TextFile& text);

// A line of a file, for a message that points to it: its number, counting lines as the reads
// end them (a line feed, a carriage return, or the two together), and its first characters.
struct LinePlace {
    std::uint64_t number = 0;
    std::string start;
};

constexpr std::size_t LineStartShown = 20;

// The line of the file `name` that holds the character at `offset` (or the last line, when the
// file is shorter): the file is read again from its start, so this is for the messages that
// end a run. Number 0 when the file cannot be read again.
LinePlace PlaceOf(const std::string& name, std::uint64_t offset);
