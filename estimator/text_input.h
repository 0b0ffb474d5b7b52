// Reads from the frequency file and from the answers on standard input, through a buffer of
// fixed size: characters one at a time, with look-ahead, and views of the text ahead, so that a
// number can be scanned where it lies and only its text converted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

inline constexpr std::size_t TextBufferSize = std::size_t{1} << 16;

class TextInput {
  public:
    // Reads `file` from where it stands; the file stays open, and nothing else may read it.
    explicit TextInput(std::FILE* file) : file_(file) {}
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;

    // The character `k` places ahead of the next one (0 is the next, k below TextBufferSize),
    // as an unsigned char, or EOF; nothing is consumed.
    int Peek(std::size_t k = 0) {
        if (next_ + k < end_ || Fill(k + 1) > k) {
            return static_cast<unsigned char>(buffer_[next_ + k]);
        }
        return EOF;
    }
    // Reads the next character, or EOF.
    int Get() {
        const int c = Peek();
        if (c != EOF) {
            ++next_;
        }
        return c;
    }
    // At least the next `length` characters (at most TextBufferSize), or all that is left when
    // the file ends sooner; nothing is consumed. It waits for the file to give them, so a read
    // of typed answers asks for no more than it looks at.
    std::string_view Ahead(std::size_t length) {
        if (end_ - next_ < length) {
            Fill(length);
        }
        return {buffer_.data() + next_, end_ - next_};
    }
    // Passes over `length` characters, which Ahead or Peek has shown.
    void Skip(std::size_t length) { next_ += length; }
    // How many characters have been read, Skip's included: the place of the next one in the file
    // when it was read from its start.
    std::uint64_t Offset() const { return given_ - (end_ - next_); }
    // Forgets what was read ahead and that the file ended, to read the file afresh from where
    // it stands.
    void Forget() {
        next_ = 0;
        end_ = 0;
        at_end_ = false;
        given_ = 0;
    }

  private:
    // Reads from the file until `length` characters lie ahead or the file has ended; returns how
    // many lie ahead.
    std::size_t Fill(std::size_t length);

    std::FILE* file_;
    std::array<char, TextBufferSize> buffer_{};
    std::size_t next_ = 0; // the next character to read
    std::size_t end_ = 0;  // the end of what the file has given
    bool at_end_ = false;
    std::uint64_t given_ = 0; // the characters the file has given
};

// Reads the next character, giving a carriage return followed by a line feed as one line feed.
int GetLineChar(TextInput& in);
// Passes over white space: blanks, tabs, vertical tabs, form feeds, carriage returns, line ends.
void SkipSpace(TextInput& in);
// Reads characters up to and including the next line feed, or to the end of the file.
void SkipLine(TextInput& in);
// Reads characters up to, not including, the next line feed.
void SkipToLineEnd(TextInput& in);

// White space as the C library's isspace takes it in the "C" locale.
inline bool IsSpace(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
