// Writing a text whole to a file descriptor, as the report and the table are written: a write
// cut short by a signal or taken in part goes on from where it stopped.
#pragma once

#include <string>

// Writes all of `text` to `fd`; false when a write fails, with errno saying why (EIO for a
// write that took nothing).
bool WriteWhole(int fd, const std::string& text);
