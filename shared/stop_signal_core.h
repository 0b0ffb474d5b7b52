// What both programs do with the signals that ask a run to stop (SIGTERM, SIGINT, SIGHUP,
// SIGQUIT): each program's handler removes the files of a run cut short, then the run ends by
// the same signal, so that the parent sees it; the signals can be held back while a file is
// put in place whole.
#pragma once

// Makes `handler` take each of the four signals, the others waiting while it runs. A signal
// that the run was started with ignored (as under nohup) stays ignored.
void CatchStopSignalsWith(void (*handler)(int));

// Ends the run by `signal_number` with its default action. Safe in a signal handler: called
// from one, the signal is held back until the handler returns, and then the run ends by it.
void EndBySignal(int signal_number);

// Holds the four signals back; a signal that comes meanwhile takes effect when they are let
// go. Holding them while they are held, or letting them go while they are not, does nothing.
void HoldStopSignals();
void ReleaseStopSignals();

// Holds the four signals back for the life of the object, unless they were already held.
class StopSignalsHeld {
  public:
    StopSignalsHeld();
    ~StopSignalsHeld();
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

  private:
    bool held_;
};
