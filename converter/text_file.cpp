#include "text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "file_failure.h"
#include "number_text.h"

namespace {

constexpr std::size_t MaxWord = 255;

// Where the first line end in `text` stands, or its size when it holds none.
std::size_t LineEndIn(std::string_view text) {
    const auto* feed = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
    const std::size_t before =
        feed == nullptr ? text.size() : static_cast<std::size_t>(feed - text.data());
    const auto* ret = static_cast<const char*>(std::memchr(text.data(), '\r', before));
    return ret == nullptr ? before : static_cast<std::size_t>(ret - text.data());
}

} // namespace

void OpenText(TextFile& text, const std::string& name) {
    text.name_ = name;
    errno = 0;
    text.file_ = std::fopen(name.c_str(), "rb");
    if (text.file_ == nullptr) {
        SystemFailure(FileOp::Open, NoSuchFile, name);
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(name, ignored)) {
        errno = EISDIR;
        SystemFailure(FileOp::Open, ErrorNumberOf(EISDIR), name);
    }
    // Our own buffer is the only one: the system reads straight into it.
    std::setvbuf(text.file_, nullptr, _IONBF, 0);
    text.pos_ = 0;
    text.end_ = 0;
    text.start_ = 0;
    text.drained_ = false;
}

void CloseText(TextFile& text) {
    std::FILE* file = text.file_;
    text.file_ = nullptr;
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0) {
        SystemFailure(FileOp::Close, ReadWriteFault, text.name_);
    }
}

bool TextFile::Refill() {
    if (drained_ || file_ == nullptr) {
        return false;
    }
    start_ += end_;
    errno = 0;
    const std::size_t got = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (got < buffer_.size()) {
        if (std::ferror(file_) != 0) {
            SystemFailure(FileOp::Read, ReadWriteFault, name_);
        }
        drained_ = true;
    }
    pos_ = 0;
    end_ = got;
    return got > 0;
}

std::string_view Buffered(TextFile& text) {
    if (text.pos_ == text.end_) {
        text.Refill();
    }
    return {text.buffer_.data() + text.pos_, text.end_ - text.pos_};
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
    for (std::string_view ahead = Buffered(text); !ahead.empty(); ahead = Buffered(text)) {
        const std::size_t line_end = LineEndIn(ahead);
        if (line_end == ahead.size()) {
            Skip(text, ahead.size());
            continue;
        }
        Skip(text, line_end + 1);
        if (ahead[line_end] == '\r') {
            TakeLineFeed(text);
        }
        return;
    }
}

std::optional<std::int32_t> ReadInteger(TextFile& text) {
    int c = PeekChar(text);
    while (c != EndOfText && c <= ' ') {
        Skip(text, 1);
        c = PeekChar(text);
    }
    if (c == EndOfText) {
        return 0;
    }
    std::string word;
    while (c != EndOfText && c > ' ' && word.size() < MaxWord) {
        word.push_back(static_cast<char>(c));
        Skip(text, 1);
        c = PeekChar(text);
    }
    return ConvertInteger(word);
}

LinePlace PlaceOf(const std::string& name, std::uint64_t offset) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    LinePlace place{1, ""};
    std::array<char, 1 << 16> chunk{};
    std::uint64_t at = 0;
    char before = '\0';
    bool done = false;
    for (std::size_t got = 0;
         !done && (got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0;) {
        for (std::size_t i = 0; i < got; ++i, ++at) {
            const char c = chunk[i];
            const bool line_end = c == '\r' || (c == '\n' && before != '\r');
            before = c;
            if (c == '\n' || c == '\r') {
                if (at >= offset) {
                    done = true;
                    break;
                }
                if (line_end) {
                    ++place.number;
                    place.start.clear();
                }
                continue;
            }
            if (at > offset && place.start.size() == LineStartShown) {
                done = true;
                break;
            }
            if (place.start.size() < LineStartShown) {
                place.start.push_back(c);
            }
        }
    }
    std::fclose(file);
    return place;
}
