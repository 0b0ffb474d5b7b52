// `cmake --install` into a fresh prefix puts both programs in bin/ and both manual pages in
// share/man/man1/. The installed programs are the built ones: they answer the same input with
// the same output.
#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::RunProgram;

bool IsExecutable(const fs::path& path) {
    return fs::is_regular_file(path) &&
           (fs::status(path).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

void ExpectSameRun(const fs::path& installed, const std::string& built, const fs::path& dir) {
    const auto from_prefix = RunProgram(installed.string(), {}, "", dir);
    const auto from_build = RunProgram(built, {}, "", dir);
    EXPECT_EQ(from_prefix.status, from_build.status) << installed;
    EXPECT_EQ(from_prefix.out, from_build.out) << installed;
    EXPECT_EQ(from_prefix.err, from_build.err) << installed;
}

TEST(Install, ProgramsInBinAndPagesInShareManMan1) {
    testing_support::TempDir prefix;
    const auto install = RunProgram(
        CMAKE_EXE, {"--install", BUILD_DIR, "--prefix", prefix.path().string()}, "", prefix.path());
    ASSERT_EQ(install.status, 0) << install.out << install.err;

    const fs::path bin = prefix / "bin";
    EXPECT_TRUE(IsExecutable(bin / "Pelkin"));
    EXPECT_TRUE(IsExecutable(bin / "Morvast"));
    const fs::path man1 = prefix / "share" / "man" / "man1";
    EXPECT_EQ(ReadFile(man1 / "Pelkin.1"), ReadFile(MAN_DIR "/Pelkin.1"));
    EXPECT_EQ(ReadFile(man1 / "Morvast.1"), ReadFile(MAN_DIR "/Morvast.1"));
    EXPECT_NE(ReadFile(man1 / "Pelkin.1"), "");

    testing_support::TempDir work;
    ExpectSameRun(bin / "Pelkin", PELKIN_EXE, work.path());
    ExpectSameRun(bin / "Morvast", MORVAST_EXE, work.path());
}

} // namespace
