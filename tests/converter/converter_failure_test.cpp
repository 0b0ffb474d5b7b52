// The error numbers of the file-failure report for the system's errors.
#include <gtest/gtest.h>

#include <cerrno>

#include "file_failure.h"

namespace {

TEST(ConverterFileFailure, SystemErrorsMapToTheReportsNumbers) {
    EXPECT_EQ(ErrorNumberOf(ENOENT), 2);
    EXPECT_EQ(ErrorNumberOf(ENAMETOOLONG), 3);
    EXPECT_EQ(ErrorNumberOf(EMFILE), 4);
    EXPECT_EQ(ErrorNumberOf(ENFILE), 4);
    EXPECT_EQ(ErrorNumberOf(EACCES), 5);
    EXPECT_EQ(ErrorNumberOf(EROFS), 5);
    EXPECT_EQ(ErrorNumberOf(EISDIR), 5);
    EXPECT_EQ(ErrorNumberOf(ENOSPC), 101);
    EXPECT_EQ(ErrorNumberOf(EIO), 101);
    EXPECT_EQ(ErrorNumberOf(EBADF), EBADF);
    EXPECT_EQ(ErrorNumberOf(ENOTDIR), ENOTDIR);
}

} // namespace
