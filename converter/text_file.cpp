#include "text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "file_failure.h"
#include "number_text.h"
#include "text_scan.h"

namespace {

constexpr std::size_t MaxWord = 255;

} // namespace

void OpenText(TextFile& text, const std::string& name) {
    errno = 0;
    text.file = std::fopen(name.c_str(), "rb");
    if (text.file == nullptr) {
        SystemFailure(FileOp::Open, NoSuchFile);
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(name, ignored)) {
        FileFailure(FileOp::Open, ErrorNumberOf(EISDIR));
    }
    // Our own buffer is the only one: the system reads straight into it.
    std::setvbuf(text.file, nullptr, _IONBF, 0);
    text.pos = 0;
    text.end = 0;
    text.drained = false;
}

void CloseText(TextFile& text) {
    std::FILE* file = text.file;
    text.file = nullptr;
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0) {
        SystemFailure(FileOp::Close, ReadWriteFault);
    }
}

bool RefillText(TextFile& text) {
    if (text.drained || text.file == nullptr) {
        return false;
    }
    errno = 0;
    const std::size_t got = std::fread(text.buffer.data(), 1, TextBufferSize, text.file);
    if (got < TextBufferSize) {
        if (std::ferror(text.file) != 0) {
            SystemFailure(FileOp::Read, ReadWriteFault);
        }
        text.drained = true;
    }
    text.pos = 0;
    text.end = got;
    return got > 0;
}

void FillAhead(TextFile& text, std::size_t wanted) {
    const std::size_t ready = text.end - text.pos;
    if (ready >= wanted || text.drained || text.file == nullptr) {
        return;
    }
    // The system copies whole pages fastest: the characters left are moved to end at a 64-byte
    // boundary, and whole pages of the file are read after them, so that every read starts on
    // a page of the file (the first read, from its start, is of whole pages too).
    constexpr std::size_t Line = 64;
    constexpr std::size_t Page = 4096;
    const std::size_t start = (ready + Line - 1) / Line * Line;
    if (start + Page > TextBufferSize) {
        return; // no whole page fits after what is left
    }
    std::memmove(text.buffer.data() + start - ready, text.buffer.data() + text.pos, ready);
    text.pos = start - ready;
    text.end = start;
    errno = 0;
    const std::size_t room = (TextBufferSize - start) / Page * Page;
    const std::size_t got = std::fread(text.buffer.data() + start, 1, room, text.file);
    if (got < room) {
        if (std::ferror(text.file) != 0) {
            SystemFailure(FileOp::Read, ReadWriteFault);
        }
        text.drained = true;
    }
    text.end = start + got;
}

std::string ReadLine(TextFile& text, std::size_t limit) {
    std::string line;
    while (line.size() < limit) {
        const int c = NextChar(text);
        if (c == EndOfText || c == '\n') {
            return line;
        }
        if (c == '\r') {
            TakeLineFeed(text);
            return line;
        }
        line.push_back(static_cast<char>(c));
    }
    DropLine(text);
    return line;
}

void DropLine(TextFile& text) {
    for (;;) {
        if (text.pos == text.end && !RefillText(text)) {
            return;
        }
        const char* from = text.buffer.data() + text.pos;
        const char* to = text.buffer.data() + text.end;
        const char* line_end = FindLineEnd(from, to);
        if (line_end == to) {
            text.pos = text.end;
            continue;
        }
        text.pos = static_cast<std::size_t>(line_end - text.buffer.data()) + 1;
        if (*line_end == '\r') {
            TakeLineFeed(text);
        }
        return;
    }
}

std::int32_t ReadInteger(TextFile& text) {
    int c = PeekChar(text);
    while (c != EndOfText && c <= ' ') {
        ++text.pos;
        c = PeekChar(text);
    }
    if (c == EndOfText) {
        return 0;
    }
    std::string word;
    while (c != EndOfText && c > ' ' && word.size() < MaxWord) {
        word.push_back(static_cast<char>(c));
        ++text.pos;
        c = PeekChar(text);
    }
    const auto value = ConvertInteger(word);
    if (!value) {
        FileFailure(FileOp::ReadNumber, NotANumber);
    }
    return *value;
}
