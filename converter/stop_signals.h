// The signals that ask a run to stop (SIGTERM, SIGINT, SIGHUP, SIGQUIT). At any moment they end
// the run at once, after removing the part file of "pelkin.out" while the run owns it and
// letting the working folder's lock go, so that a stopped run leaves an earlier "pelkin.out" as
// it was and the folder free. While the part file is renamed over "pelkin.out" they wait: the
// rename is made whole, and a signal that came meanwhile takes effect after it.
#pragma once

#include "stop_signal_core.h"

// Makes each of the four signals end the run as above, then raise itself again with its default
// action, so that the parent sees the run ended by it. A signal that the run was started with
// ignored (as under nohup) stays ignored.
void CatchStopSignals();

// From now on, until DisownPartFile, a signal removes the part file: called right before the
// run makes it, so that no moment is left in which the run has made it and a signal would
// leave it (what a signal removes then is a part file of an earlier run, which the run would
// remove itself).
void OwnPartFile();
// The part file is no longer the run's to remove: it has been renamed, or removed.
void DisownPartFile();
