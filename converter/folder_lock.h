// One conversion per working folder at a time. Two runs in one folder would write the same count
// files (locus1, locus2, ...) and "pelkin.out", and each could read the other's counts as its
// own. The lock is an advisory lock (flock) on the working folder itself, opened for reading,
// so that taking it makes no file; the system lets it go when the run ends, however it ends.
#pragma once

// Takes the working folder's lock for the rest of the run. While another run holds it, ends
// the run at once with "Another conversion is running in this folder." (standard output, after
// three empty lines, where the prompt would stand), a line on standard error, and status 1.
// When the folder cannot be locked at all (it cannot be opened for reading, or its file system
// has no such locks), the run goes on unlocked and a notice on standard error says so.
void LockWorkingFolder();

// Lets the lock go; a run in this process after it may take it again.
void ReleaseWorkingFolder();
// The same with calls that are safe in a signal handler alone, for a stop signal (stop_signals.h).
void ReleaseWorkingFolderAtSignal();
