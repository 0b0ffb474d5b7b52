#include "folder_lock.h"

#include <atomic>
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

// Taken in one step, by the run or by the handler of a stop signal, so that it is closed once.
std::atomic<int> lock_fd{-1};

void GoOnUnlocked(int system_error) {
    std::fprintf(
        stderr, "%s\n",
        Filled(Msg::FolderNotLockedNotice, {{"reason", std::strerror(system_error)}}).c_str());
}

} // namespace

void LockWorkingFolder() {
    ReleaseWorkingFolder();
    const int fd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        GoOnUnlocked(errno);
        return;
    }
    lock_fd.store(fd);
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
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
    ReleaseWorkingFolderAtSignal();
}

void ReleaseWorkingFolderAtSignal() {
    if (const int fd = lock_fd.exchange(-1); fd >= 0) {
        close(fd);
    }
}
