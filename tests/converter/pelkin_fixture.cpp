#include "pelkin_fixture.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

void PelkinRun::Put(const std::string& name, const std::string& contents) const {
    testing_support::WriteFile(dir / name, contents);
}

std::string PelkinRun::Read(const std::string& name) const {
    return testing_support::ReadFile(dir / name);
}

bool PelkinRun::Exists(const std::string& name) const {
    return std::filesystem::exists(std::filesystem::symlink_status(dir / name));
}

std::vector<std::string> PelkinRun::Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

testing_support::RunResult PelkinRun::Run(const std::string& typed) const {
    return testing_support::RunProgram(PELKIN_EXE, {}, typed, dir.path());
}

testing_support::RunResult PelkinRun::RunWith(const std::vector<std::string>& args,
                                              const std::string& typed) const {
    return testing_support::RunProgram(PELKIN_EXE, args, typed, dir.path());
}

testing_support::RunResult PelkinRun::Convert(const std::string& genepop) const {
    Put("data.gen", genepop);
    return Run();
}

bool FolderIsLocked(const std::filesystem::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}
