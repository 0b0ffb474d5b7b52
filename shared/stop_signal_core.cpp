#include "stop_signal_core.h"

#include <csignal>

namespace {

constexpr int stop_signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

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

} // namespace

void CatchStopSignalsWith(void (*handler)(int)) {
    for (const int signal_number : stop_signals) {
        struct sigaction before {};
        if (sigaction(signal_number, nullptr, &before) != 0 || before.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = handler;
        // The handler runs once: the other stop signals wait while it removes the files.
        action.sa_mask = StopSet();
        sigaction(signal_number, &action, nullptr);
    }
}

void EndBySignal(int signal_number) {
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    sigemptyset(&default_action.sa_mask);
    sigaction(signal_number, &default_action, nullptr);
    raise(signal_number);
}

void HoldStopSignals() {
    if (held) {
        return;
    }
    const sigset_t set = StopSet();
    sigprocmask(SIG_BLOCK, &set, &mask_before_hold);
    held = true;
}

void ReleaseStopSignals() {
    if (!held) {
        return;
    }
    held = false;
    sigprocmask(SIG_SETMASK, &mask_before_hold, nullptr);
}

StopSignalsHeld::StopSignalsHeld() : held_(!held) {
    HoldStopSignals();
}

StopSignalsHeld::~StopSignalsHeld() {
    if (held_) {
        ReleaseStopSignals();
    }
}
