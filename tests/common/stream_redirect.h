// A standard stream put on another file for a while, for a test that runs a program's whole run
// in its own process.
#pragma once

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace testing_support {

// Puts the file at `path`, opened with `flags`, in place of the descriptor `fd` until
// destroyed; what the streams hold is written out first either way.
class Redirect {
  public:
    Redirect(int fd, const std::filesystem::path& path, int flags) : fd_(fd), saved_(dup(fd)) {
        std::fflush(nullptr);
        const int opened = open(path.c_str(), flags, 0600);
        dup2(opened, fd_);
        close(opened);
    }
    ~Redirect() {
        std::fflush(nullptr);
        dup2(saved_, fd_);
        close(saved_);
    }
    Redirect(const Redirect&) = delete;
    Redirect& operator=(const Redirect&) = delete;

  private:
    int fd_;
    int saved_;
};

} // namespace testing_support
