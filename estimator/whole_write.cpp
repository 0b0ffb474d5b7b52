#include "whole_write.h"

#include <cerrno>
#include <unistd.h>

bool WriteWhole(int fd, const std::string& text) {
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
