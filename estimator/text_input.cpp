#include "text_input.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

std::size_t TextInput::Fill(std::size_t length) {
    if (at_end_) {
        return end_ - next_;
    }
    std::memmove(buffer_.data(), buffer_.data() + next_, end_ - next_);
    end_ -= next_;
    next_ = 0;
    length = std::min(length, TextBufferSize);
    // A read of the system returns what it has, so that an answer typed at the terminal is
    // taken as soon as its line is ended.
    while (end_ < length && !at_end_) {
        const ssize_t got = read(fileno(file_), buffer_.data() + end_, TextBufferSize - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            given_ += static_cast<std::uint64_t>(got);
        } else if (got == 0 || errno != EINTR) {
            // A file that cannot be read further ends there, as its end would.
            at_end_ = true;
        }
    }
    return end_ - next_;
}

int GetLineChar(TextInput& in) {
    const int c = in.Get();
    if (c == '\r' && in.Peek() == '\n') {
        return in.Get();
    }
    return c;
}

void SkipSpace(TextInput& in) {
    while (IsSpace(in.Peek())) {
        in.Skip(1);
    }
}

void SkipToLineEnd(TextInput& in) {
    for (std::string_view ahead = in.Ahead(1); !ahead.empty(); ahead = in.Ahead(1)) {
        const std::size_t line_end = ahead.find('\n');
        if (line_end != std::string_view::npos) {
            in.Skip(line_end);
            return;
        }
        in.Skip(ahead.size());
    }
}

void SkipLine(TextInput& in) {
    SkipToLineEnd(in);
    in.Get();
}
