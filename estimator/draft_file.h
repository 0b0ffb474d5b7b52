// What the table and the figure share as files written whole: a draft of a name of its own in
// the folder of the file's name, renamed over that name only once the run has succeeded.
#pragma once

#include <string>
#include <sys/stat.h>

#include "stop_signals.h"

// Whether the final rename would be refused for want of permission to replace `name`, whose own
// status (not its link's target's) is `named`: in a folder that only lets owners remove their
// files (such as /tmp), a name of another user's. Found before the report is appended, since
// the rename comes after it.
bool ReplacementRefused(const std::string& name, const struct stat& named);

// Makes the draft of `name` in its folder, named `prefix` and six random characters, with the
// permissions of a file newly created by the user, and registers it for removal by a stop
// signal as `which`. Returns its descriptor and puts its name in `draft`; returns -1 with errno
// saying why, leaving no draft.
int MakeDraft(const std::string& name, const char* prefix, DraftOf which, std::string& draft);

// Renames the draft `draft` (registered as `which`) over `name` and forgets it, for a stop signal
// and in `draft`; nothing when there is no draft. Returns 0, or the errno of a refused rename,
// leaving the draft registered so that it is still removed.
int PutDraftInPlace(DraftOf which, std::string& draft, const std::string& name);
