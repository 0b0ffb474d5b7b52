// The folder in which a fuzz target makes its runs, so that no run touches a file of the folder
// the campaign was started in.
#pragma once

#include <string>

// A folder of the target's own under the system's temporary folder, made at the first call and
// removed with everything in it when the process ends normally. Its path holds no blank.
const std::string& ScratchFolder();
