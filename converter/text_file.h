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

// Something that is shown every character of a file once, in file order, as the reads take the
// characters in from the system, whatever the reads then do with them: a second reading of the
// same text, made alongside the reads, that never asks for the file again.
struct TextWatch {
    void (*see)(void* state, std::string_view chunk) = nullptr;
    void* state = nullptr;
};

class TextFile;
void AbandonText(TextFile& text);

class TextFile {
    friend void OpenText(TextFile& text, const std::string& name);
    friend void WatchText(TextFile& text, TextWatch watch);
    friend std::string_view Ahead(TextFile& text, std::size_t count);
    friend void ReturnTo(TextFile& text, std::uint64_t offset);
    friend void SkipToEnd(TextFile& text);
    friend void CloseText(TextFile& text);

    // From now on `watch` is shown the characters of the file as they are read, from the first one
    // it has not been shown; at the end of the file it is shown nothing more.
    void WatchText(TextFile& text, TextWatch watch);

    // At least `count` characters from the read position on, not taken (fewer only at the end of
    // the file): for a look at the next line's first characters.
    std::string_view Ahead(TextFile& text, std::size_t count);

    // Takes the reads back to `offset`, a place they have passed: from the buffer when it still
    // holds it, or else by reading from there again (the watch is not shown those characters
    // twice).
    void ReturnTo(TextFile& text, std::uint64_t offset);

    // Takes every character left, so that the watch has been shown the whole file.
    void SkipToEnd(TextFile& text);
    friend void AbandonText(TextFile& text);
    friend int NextChar(TextFile& text);
    friend int PeekChar(TextFile& text);
    friend std::string_view Buffered(TextFile& text);
    friend void Skip(TextFile& text, std::size_t count);
    friend std::uint64_t Offset(const TextFile& text);
    friend const std::string& NameOf(const TextFile& text);

  public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    // A file still open when it goes, because a refusal ended the reading, is closed.
    ~TextFile() { AbandonText(*this); }

  private:

    // Reads the next characters of the file into the buffer; false when it has none left.
    bool Refill();
    // Reads into the buffer from `from` on, and shows the watch what it has not seen yet.
    std::size_t ReadInto(std::size_t from);

    std::FILE* file_ = nullptr;
    std::string name_;
    std::array<char, TextBufferSize> buffer_{};
    std::size_t pos_ = 0;     // next unread character in `buffer_`
    std::size_t end_ = 0;     // characters held in `buffer_`
    std::uint64_t start_ = 0; // where in the file `buffer_` begins
    bool drained_ = false;    // the system has no more characters to give
    TextWatch watch_;
    std::uint64_t watched_ = 0; // how many characters of the file the watch has been shown
};

// Where the first line end (a line feed or a carriage return) in `text` stands, or its size when
// it holds none.
std::size_t LineEndIn(std::string_view text);

// Opens the file of that name for reading, when it is a regular file: no read of it is made,
// and nothing waits on it, before its type is known. Returns the file, or nullptr with errno
// set (EISDIR for a folder) or, for a device, a pipe or a socket, with `other_kind` set.
std::FILE* OpenRegular(const std::string& name, bool& other_kind);

// Opens the file of that name for reading from its start. A folder fails as access denied, with
// the system's reason; a device, a pipe or a socket too, with a reason of its own.
void OpenText(TextFile& text, const std::string& name);
void CloseText(TextFile& text);

// From now on `watch` is shown the characters of the file as they are read, from the first one
// it has not been shown; at the end of the file it is shown nothing more.
void WatchText(TextFile& text, TextWatch watch);

// At least `count` characters from the read position on, not taken (fewer only at the end of
// the file): for a look at the next line's first characters.
std::string_view Ahead(TextFile& text, std::size_t count);

// Takes the reads back to `offset`, a place they have passed: from the buffer when it still
// holds it, or else by reading from there again (the watch is not shown those characters twice).
void ReturnTo(TextFile& text, std::uint64_t offset);

// Takes every character left, so that the watch has been shown the whole file.
void SkipToEnd(TextFile& text);
// Closes the file, if open, without testing the close: for a run that has ended already.
void AbandonText(TextFile& text);

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
