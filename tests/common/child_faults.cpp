#include "child_faults.h"

#include <csignal>
#include <unistd.h>

namespace testing_support {

ChildSetup FileSizeLimit(rlim_t bytes) {
    return [bytes] {
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
    };
}

void StandardOutputClosedPipe() {
    int ends[2];
    if (pipe(ends) != 0 || close(ends[0]) != 0 || dup2(ends[1], 1) < 0) {
        _exit(126);
    }
    close(ends[1]);
    std::signal(SIGPIPE, SIG_DFL);
}

} // namespace testing_support
