#include "stop_signals.h"

#include <atomic>
#include <csignal>
#include <unistd.h>

#include "folder_lock.h"
#include "frequency_writer.h"

namespace {

constexpr int stop_signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// Read by the handler, which may interrupt the run anywhere: written in one step. The name is a
// constant of the program, relative to the working folder, which the run never leaves.
std::atomic<const char*> owned_part{nullptr};

bool held = false;
sigset_t mask_before_hold;

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal_number : stop_signals) {
        sigaddset(&set, signal_number);
    }
    return set;
}

// Only calls that are safe in a signal handler. The part file goes before the lock, so that no
// run that the lock lets in makes a part file that this one then removes.
extern "C" void StopRun(int signal_number) {
    if (const char* path = owned_part.exchange(nullptr); path != nullptr) {
        unlink(path);
    }
    ReleaseWorkingFolderAtSignal();
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    sigemptyset(&default_action.sa_mask);
    sigaction(signal_number, &default_action, nullptr);
    // Held back until the handler returns, and then the run ends by it.
    raise(signal_number);
}

} // namespace

void CatchStopSignals() {
    for (const int signal_number : stop_signals) {
        struct sigaction before {};
        if (sigaction(signal_number, nullptr, &before) != 0 || before.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = StopRun;
        // The handler runs once: the other stop signals wait while it removes the file.
        action.sa_mask = StopSet();
        sigaction(signal_number, &action, nullptr);
    }
}

void OwnPartFile() {
    owned_part.store(PartFileName);
}

void DisownPartFile() {
    owned_part.store(nullptr);
}

StopSignalsHeld::StopSignalsHeld() : held_(!held) {
    if (held_) {
        const sigset_t set = StopSet();
        sigprocmask(SIG_BLOCK, &set, &mask_before_hold);
        held = true;
    }
}

StopSignalsHeld::~StopSignalsHeld() {
    if (held_) {
        held = false;
        sigprocmask(SIG_SETMASK, &mask_before_hold, nullptr);
    }
}
