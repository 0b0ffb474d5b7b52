#include "whole_write.h"

#include <cerrno>
#include <unistd.h>

bool WriteWhole(int fd, std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            errno = n == 0 ? EIO : errno;
            return false;
        }
    }
    return true;
}

void StreamedWrite::Start(int fd) {
    fd_ = fd;
    buffer_.clear();
    buffer_.reserve(BufferSize);
}

bool StreamedWrite::Put(std::string_view text) {
    if (buffer_.size() + text.size() > BufferSize && !Flush()) {
        return false;
    }
    // A text longer than the buffer goes straight to the file.
    if (text.size() > BufferSize) {
        return WriteWhole(fd_, text);
    }
    buffer_.append(text);
    return true;
}

bool StreamedWrite::Flush() {
    const bool written = WriteWhole(fd_, buffer_);
    buffer_.clear();
    return written;
}
