// The signals that ask a run to stop (SIGTERM, SIGINT, SIGHUP, SIGQUIT). While the report's last
// part is written and the table put in place they wait, so that a report file holds its
// earlier reports, or them and one whole report with its table in place. At any other moment
// they end the run at once, after cutting back a report file that this run's report was being
// appended to and removing the files the run made that hold nothing of value: the drafts of
// the table and the figure, and a report file that the run made and that is still empty.
#pragma once

#include "stop_signal_core.h"

// Makes each of the four signals end the run as above, then raise itself again with its default
// action, so that the parent sees the run ended by it. A signal that the run was started with
// ignored (as under nohup) stays ignored.
void CatchStopSignals();

// The files written whole to a draft beside their name.
enum class DraftOf { table, plot };

// The draft of the table or the figure at `path`, removed when a signal ends the run; nullptr
// once it is renamed or removed. The text at `path` must stay as it is while it is registered.
void RegisterDraft(DraftOf which, const char* path);

// The report file, open as `fd`, while this run's report is appended to it: cut back to
// `length`, the length it had before, when a signal ends the run. -1 once the report is whole.
void RegisterReportAppend(int fd, long long length);

// The report file that the run made, open as `fd` under `path`: removed when a signal ends the
// run while it is still empty and still bears that name. nullptr once the report is appended or
// the file closed.
void RegisterMadeReport(const char* path, int fd);
