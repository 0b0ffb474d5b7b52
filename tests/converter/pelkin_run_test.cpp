// Whole runs of Pelkin that the table of cases cannot place yet: an unreadable file, and links.
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "pelkin_fixture.h"

namespace {

class PelkinFileFailures : public PelkinRun {};

const std::string SixLineExample = "Title\nLoc1\nLoc2\nPop\n1 a, 0101 0102\n1 b, 0202 0000\n";

TEST_F(PelkinFileFailures, UnreadableFileIsDenied) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    Put("data.gen", SixLineExample);
    std::filesystem::permissions(dir / "data.gen", std::filesystem::perms::none);
    EXPECT_EQ(Run().status, 5);
}

TEST_F(PelkinFileFailures, FrequencyFileThatIsALinkIsReplacedByTheFile) {
    // Once written through: a link to /dev/full failed the run with error 101.
    std::filesystem::create_symlink("/dev/full", dir / "pelkin.out");
    const auto run = Convert(SixLineExample);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(
        std::filesystem::is_regular_file(std::filesystem::symlink_status(dir / "pelkin.out")));
    EXPECT_EQ(Read("pelkin.out").size(), 65U);
}

// Until the table places links: the input reached by a hard link, a link and ./ .
TEST_F(PelkinFileFailures, InputReachedByAnotherNameIsRefused) {
    const std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0101\n";
    for (const std::string written : {"pelkin.out", "pelkin.out.part"}) {
        std::filesystem::remove_all(dir / "sub");
        std::filesystem::remove(dir / "data.gen");
        Put(written, genepop);
        std::filesystem::create_hard_link(dir / written, dir / "data.gen");
        std::filesystem::create_directory(dir / "sub");
        std::filesystem::create_symlink("../" + written, dir / "sub" / "link.gen");
        for (const std::string& typed :
             {std::string("data.gen\n"), std::string("sub/link.gen\n"), "./" + written + "\n"}) {
            const auto run = Run(typed);
            EXPECT_EQ(run.status, 1) << typed;
            EXPECT_EQ(Read(written), genepop);
        }
        std::filesystem::remove(dir / written);
    }
}

} // namespace
