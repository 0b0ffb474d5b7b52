// Faults of the world around a program, set up in its child process before it starts (a
// ChildSetup of RunProgram): a file-size limit, and a standard output that nobody reads.
#pragma once

#include <sys/resource.h>

#include "program_run.h"

namespace testing_support {

// A file-size limit of `bytes`, with the default action of the signal that the limit raises,
// whatever the test's process does with it.
ChildSetup FileSizeLimit(rlim_t bytes);

// Standard output a pipe whose reading end is closed, as under `| head -c 10` once head has
// ended, with the default action of the broken-pipe signal.
void StandardOutputClosedPipe();

} // namespace testing_support
