#include "folder_lock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "messages.h"
#include "run_end.h"

namespace {

constexpr int Refused = 1;

int lock_fd = -1;

void GoOnUnlocked(int system_error) {
    std::fprintf(
        stderr, "%s\n",
        Filled(Msg::FolderNotLockedNotice, {{"reason", std::strerror(system_error)}}).c_str());
}

} // namespace

void LockWorkingFolder() {
    ReleaseWorkingFolder();
    lock_fd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock_fd < 0) {
        GoOnUnlocked(errno);
        return;
    }
    if (flock(lock_fd, LOCK_EX | LOCK_NB) == 0) {
        return;
    }
    const int system_error = errno;
    ReleaseWorkingFolder();
    if (system_error != EWOULDBLOCK) {
        GoOnUnlocked(system_error);
        return;
    }
    EndRun(std::string("\n\n\n") + TextOf(Msg::AnotherConversion) + "\n",
           std::string(TextOf(Msg::AnotherConversionHint)) + "\n", Refused);
}

void ReleaseWorkingFolder() {
    if (lock_fd >= 0) {
        close(lock_fd);
        lock_fd = -1;
    }
}
