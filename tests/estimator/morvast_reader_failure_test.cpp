// A frequency file through a named pipe, in a process of its own: a number without end is
// refused once its text is longer than the longest accepted.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// A frequency without end, through a named pipe: it is refused once its text is longer than
// the longest accepted, without being held or read on to its end.
TEST(MorvastReaderFailure, EndlessNumberIsRefusedAfterItsLongestText) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "endless").c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    constexpr std::size_t offered = std::size_t{64} << 20;
    std::size_t written = 0;
    std::thread writer([&] {
        const int fd = OpenForWriting(dir / "endless");
        const std::string head = "1 1\n1\n0.";
        const std::string digits(1 << 16, '3');
        bool open = fd >= 0 && write(fd, head.data(), head.size()) > 0;
        while (open && written < offered) {
            const ssize_t n = write(fd, digits.data(), digits.size());
            open = n > 0 || (n < 0 && errno == EINTR);
            written += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        close(fd);
    });
    WriteFile(dir / "r.txt", "Earlier report\n");
    const auto run = RunMorvast(dir, {"endless", "r.txt"}, "2\n");
    writer.join();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.substr(0, 66),
              "Error in indata file: cannot read allele 1 at locus 1 in sample 1\n");
    EXPECT_EQ(ReadFile(dir / "r.txt"), "Earlier report\n");
    // What the pipe holds, and a buffer's worth or two that the reader took.
    EXPECT_LT(written, std::size_t{1} << 20);
}

} // namespace
