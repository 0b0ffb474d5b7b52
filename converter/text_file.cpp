#include "text_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_failure.h"
#include "messages.h"
#include "number_text.h"

namespace {

constexpr std::size_t MaxWord = 255;

// True for a regular file. For a folder errno is set to EISDIR; for anything else (a device, a
// pipe, a socket) `other_kind` is set.
bool IsRegular(const struct stat& info, bool& other_kind) {
    if (S_ISREG(info.st_mode)) {
        return true;
    }
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
    } else {
        other_kind = true;
    }
    return false;
}

// Closes `fd` without disturbing errno, which tells why it is given up.
void GiveUp(int fd) {
    const int reason = errno;
    close(fd);
    errno = reason;
}

} // namespace

std::size_t LineEndIn(std::string_view text) {
    const auto* feed = static_cast<const char*>(std::memchr(text.data(), '\n', text.size()));
    const std::size_t before =
        feed == nullptr ? text.size() : static_cast<std::size_t>(feed - text.data());
    const auto* ret = static_cast<const char*>(std::memchr(text.data(), '\r', before));
    return ret == nullptr ? before : static_cast<std::size_t>(ret - text.data());
}

std::FILE* OpenRegular(const std::string& name, bool& other_kind) {
    other_kind = false;
    // Asked before opening, so that a device is never opened; asked again of the file opened,
    // and opened without waiting for a writer, so that a name that became a pipe in between
    // neither blocks the run nor is read.
    struct stat info {};
    if (stat(name.c_str(), &info) != 0 || !IsRegular(info, other_kind)) {
        return nullptr;
    }
    const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    if (fstat(fd, &info) != 0 || !IsRegular(info, other_kind)) {
        GiveUp(fd);
        return nullptr;
    }
    const int flags = fcntl(fd, F_GETFL);
    std::FILE* file =
        flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ? nullptr : fdopen(fd, "rb");
    if (file == nullptr) {
        GiveUp(fd);
    }
    return file;
}

void OpenText(TextFile& text, const std::string& name) {
    text.name_ = name;
    errno = 0;
    bool other_kind = false;
    text.file_ = OpenRegular(name, other_kind);
    if (other_kind) {
        FileFailure(FileOp::Open, AccessDenied, Filled(Msg::NotARegularFile, {{"file", name}}));
    }
    if (text.file_ == nullptr) {
        SystemFailure(FileOp::Open, NoSuchFile, name);
    }
    // Our own buffer is the only one: the system reads straight into it.
    std::setvbuf(text.file_, nullptr, _IONBF, 0);
    text.pos_ = 0;
    text.end_ = 0;
    text.start_ = 0;
    text.drained_ = false;
    text.watch_ = {};
    text.watched_ = 0;
}

void WatchText(TextFile& text, TextWatch watch) {
    text.watch_ = watch;
    text.watched_ = text.start_;
    if (watch.see != nullptr && text.end_ > 0) {
        watch.see(watch.state, {text.buffer_.data(), text.end_});
        text.watched_ = text.start_ + text.end_;
    }
}

void AbandonText(TextFile& text) {
    if (text.file_ != nullptr) {
        std::fclose(text.file_);
        text.file_ = nullptr;
    }
}

void CloseText(TextFile& text) {
    std::FILE* file = text.file_;
    text.file_ = nullptr;
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0) {
        SystemFailure(FileOp::Close, ReadWriteFault, text.name_);
    }
}

std::size_t TextFile::ReadInto(std::size_t from) {
    errno = 0;
    const std::size_t room = buffer_.size() - from;
    const std::size_t got = std::fread(buffer_.data() + from, 1, room, file_);
    if (got < room) {
        if (std::ferror(file_) != 0) {
            SystemFailure(FileOp::Read, ReadWriteFault, name_);
        }
        drained_ = true;
    }
    const std::uint64_t read_at = start_ + from;
    const std::uint64_t read_end = read_at + got;
    if (watch_.see != nullptr && read_end > watched_) {
        const std::uint64_t unseen = watched_ > read_at ? watched_ - read_at : 0;
        watch_.see(watch_.state, {buffer_.data() + from + unseen, got - unseen});
        watched_ = read_end;
    }
    return got;
}

bool TextFile::Refill() {
    if (drained_ || file_ == nullptr) {
        return false;
    }
    start_ += end_;
    pos_ = 0;
    end_ = 0;
    end_ = ReadInto(0);
    return end_ > 0;
}

std::string_view Ahead(TextFile& text, std::size_t count) {
    count = count < text.buffer_.size() ? count : text.buffer_.size();
    if (text.end_ - text.pos_ < count && !text.drained_ && text.file_ != nullptr) {
        const std::size_t left = text.end_ - text.pos_;
        std::memmove(text.buffer_.data(), text.buffer_.data() + text.pos_, left);
        text.start_ += text.pos_;
        text.pos_ = 0;
        text.end_ = left;
        while (text.end_ < count && !text.drained_) {
            text.end_ += text.ReadInto(text.end_);
        }
    }
    return {text.buffer_.data() + text.pos_, text.end_ - text.pos_};
}

void ReturnTo(TextFile& text, std::uint64_t offset) {
    if (offset >= text.start_ && offset <= text.start_ + text.end_) {
        text.pos_ = static_cast<std::size_t>(offset - text.start_);
        return;
    }
    errno = 0;
    if (text.file_ == nullptr || fseeko(text.file_, static_cast<off_t>(offset), SEEK_SET) != 0) {
        SystemFailure(FileOp::Read, ReadWriteFault, text.name_);
    }
    text.start_ = offset;
    text.pos_ = 0;
    text.end_ = 0;
    text.drained_ = false;
}

void SkipToEnd(TextFile& text) {
    text.pos_ = text.end_;
    while (text.Refill()) {
        text.pos_ = text.end_;
    }
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
    bool other_kind = false;
    std::FILE* file = OpenRegular(name, other_kind);
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
