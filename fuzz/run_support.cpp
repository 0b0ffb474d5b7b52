#include "run_support.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sanitizer/common_interface_defs.h>
#include <sstream>
#include <unistd.h>

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWhole(const std::filesystem::path& path, std::string_view contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

void SetStandardOutput(bool closed_pipe) {
    static const int null_fd = open("/dev/null", O_WRONLY | O_CLOEXEC);
    static const int broken_fd = [] {
        int ends[2] = {-1, -1};
        if (pipe(ends) != 0) {
            std::abort();
        }
        close(ends[0]);
        return ends[1];
    }();
    std::fflush(stdout);
    std::clearerr(stdout);
    dup2(closed_pipe ? broken_fd : null_fd, 1);
}

int OpenDescriptors() {
    int open = 0;
    for (int fd = 0; fd < 1024; ++fd) {
        open += fcntl(fd, F_GETFD) >= 0 ? 1 : 0;
    }
    return open;
}

void Check(bool holds, const char* what) {
    if (!holds) {
        __sanitizer_report_error_summary(what);
        std::abort();
    }
}
