// Writing text whole to a file descriptor, as the report and the table are written: a write
// cut short by a signal or taken in part goes on from where it stopped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Writes all of `text` to `fd`; false when a write fails, with errno saying why (EIO for a
// write that took nothing).
bool WriteWhole(int fd, std::string_view text);

// Text gathered into a buffer of fixed size and written whole each time it fills, so that a
// report or a table of any length is written as it is formatted without being held whole.
class StreamedWrite {
  public:
    static constexpr std::size_t BufferSize = std::size_t{1} << 18;

    // Starts writing to `fd`, with nothing gathered.
    void Start(int fd);
    // Adds `text`; false when a write of the full buffer failed, with errno saying why.
    bool Put(std::string_view text);
    // Writes what is gathered; false when that failed.
    bool Flush();
    // Forgets what is gathered, as after a failure.
    void Drop() { buffer_.clear(); }

  private:
    int fd_ = -1;
    std::string buffer_;
};
