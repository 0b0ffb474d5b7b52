#include "case_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "program_run.h"
#include "stream_redirect.h"

namespace testing_support {

namespace fs = std::filesystem;

Bytes Bytes::Of(Kind kind, std::string text) {
    Bytes bytes(std::move(text));
    bytes.kind_ = kind;
    return bytes;
}

namespace {

// What a run left on its streams.
struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Whether stored texts are written from the runs instead of compared, for a new case or a
// changed rule: set NE_WRITE_CASES=1 and check every file it writes before committing it.
bool WritingStored() {
    const char* value = std::getenv("NE_WRITE_CASES");
    return value != nullptr && std::string(value) == "1";
}

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

void PlaceSocket(const fs::path& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    if (name.size() >= sizeof address.sun_path) {
        ADD_FAILURE() << path << ": too long a name for a socket";
    } else {
        name.copy(address.sun_path, name.size());
        EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    close(fd);
}

void Place(const Program& program, const Case& row, const fs::path& folder) {
    for (const File& file : row.files) {
        const fs::path path = folder / file.name;
        fs::create_directories(path.parent_path());
        switch (file.bytes.kind()) {
        case Bytes::Kind::text:
            WriteFile(path, file.bytes.text());
            break;
        case Bytes::Kind::stored:
            WriteFile(path, ReadFile(program.cases / row.name / file.bytes.text()));
            break;
        case Bytes::Kind::folder:
            fs::create_directory(path);
            break;
        case Bytes::Kind::link:
            fs::create_symlink(file.bytes.text(), path);
            break;
        case Bytes::Kind::hard_link:
            fs::create_hard_link(folder / file.bytes.text(), path);
            break;
        case Bytes::Kind::socket:
            PlaceSocket(path);
            break;
        default:
            ADD_FAILURE() << file.name << ": a placed file needs bytes or AFolder()";
        }
    }
}

// Runs the program in `folder` with the row's arguments and typed input; `scratch` keeps the
// typed input and the streams, outside the run's folder.
Outcome Run(const Program& program, const Case& row, const fs::path& folder,
            const fs::path& scratch) {
    WriteFile(scratch / "typed", row.typed);
    std::vector<std::string> args{program.name};
    args.insert(args.end(), row.args.begin(), row.args.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const fs::path started_in = fs::current_path();
    Outcome outcome;
    // A fresh stream, so that nothing a run before read ahead is left in its buffer.
    if (std::freopen((scratch / "typed").c_str(), "rb", stdin) == nullptr) {
        ADD_FAILURE() << "cannot give the typed input";
        return outcome;
    }
    int open_before = 0;
    int open_after = 0;
    {
        const Redirect out(1, scratch / "out", O_WRONLY | O_CREAT | O_TRUNC);
        const Redirect err(2, scratch / "err", O_WRONLY | O_CREAT | O_TRUNC);
        fs::current_path(folder);
        open_before = OpenDescriptors();
        try {
            outcome.status = program.entry(static_cast<int>(args.size()), argv.data());
        } catch (...) {
            outcome.status = -1;
        }
        open_after = OpenDescriptors();
        fs::current_path(started_in);
    }
    std::freopen("/dev/null", "rb", stdin);
    EXPECT_EQ(open_after, open_before) << "the run left a file open";
    outcome.out = ReadFile(scratch / "out");
    outcome.err = ReadFile(scratch / "err");
    return outcome;
}

// Compares `actual`, what the run left under `what`, with what the row says of it.
void Expect(const Program& program, const Case& row, const std::string& what, const Bytes& expected,
            const std::string& actual) {
    if (expected.kind() == Bytes::Kind::text) {
        EXPECT_EQ(actual, expected.text()) << what;
    } else if (expected.kind() == Bytes::Kind::stored) {
        const fs::path stored = program.cases / row.name / expected.text();
        if (WritingStored()) {
            fs::create_directories(stored.parent_path());
            WriteFile(stored, actual);
        }
        EXPECT_TRUE(fs::is_regular_file(stored)) << "no stored text " << stored;
        EXPECT_EQ(actual, ReadFile(stored)) << what << " (kept in " << stored << ")";
    }
}

void ExpectLeft(const Program& program, const Case& row, const fs::path& folder) {
    for (const File& file : row.left) {
        const fs::path path = folder / file.name;
        const fs::file_status status = fs::symlink_status(path);
        switch (file.bytes.kind()) {
        case Bytes::Kind::absent:
            EXPECT_FALSE(fs::exists(status)) << file.name << " is left";
            break;
        case Bytes::Kind::folder:
            EXPECT_TRUE(fs::is_directory(status)) << file.name << " is not a folder";
            break;
        case Bytes::Kind::text:
        case Bytes::Kind::stored:
            EXPECT_TRUE(fs::is_regular_file(status)) << file.name << " is not left as a file";
            Expect(program, row, file.name, file.bytes, ReadFile(path));
            break;
        case Bytes::Kind::link:
            EXPECT_TRUE(fs::is_symlink(status) && fs::read_symlink(path) == file.bytes.text())
                << file.name << " is not a link to " << file.bytes.text();
            break;
        case Bytes::Kind::hard_link:
            EXPECT_TRUE(fs::exists(status) && fs::equivalent(path, folder / file.bytes.text()))
                << file.name << " is not another name of " << file.bytes.text();
            break;
        case Bytes::Kind::socket:
            EXPECT_TRUE(fs::is_socket(status)) << file.name << " is not a socket";
            break;
        case Bytes::Kind::unchecked:
            break;
        }
    }
    // A file the row neither placed nor named is one the run should not have made.
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        const auto named = [&](const File& file) {
            return file.name == name || file.name.starts_with(name + "/");
        };
        const bool placed = std::ranges::any_of(row.files, named);
        const bool left = std::ranges::any_of(row.left, named);
        EXPECT_TRUE(placed || left) << "the run left " << name << ", which the row does not name";
    }
}

} // namespace

void RunCases(const Program& program, const std::vector<Case>& cases) {
    const TempDir scratch;
    for (const Case& row : cases) {
        SCOPED_TRACE("case " + row.name);
        const TempDir folder;
        Place(program, row, folder.path());
        const Outcome outcome = Run(program, row, folder.path(), scratch.path());
        EXPECT_EQ(outcome.status, row.status) << "exit status";
        Expect(program, row, "standard output", row.out, outcome.out);
        Expect(program, row, "standard error", row.err, outcome.err);
        ExpectLeft(program, row, folder.path());
    }
}

} // namespace testing_support
