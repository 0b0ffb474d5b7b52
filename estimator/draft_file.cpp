#include "draft_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

// The folder of a name, as the system reads it.
std::string FolderOf(const std::string& name) {
    const std::string folder = std::filesystem::path(name).parent_path().string();
    return folder.empty() ? "." : folder;
}

} // namespace

bool ReplacementRefused(const std::string& name, const struct stat& named) {
    struct stat folder {};
    const uid_t user = geteuid();
    return user != 0 && stat(FolderOf(name).c_str(), &folder) == 0 &&
           (folder.st_mode & S_ISVTX) != 0 && folder.st_uid != user && named.st_uid != user;
}

int MakeDraft(const std::string& name, const char* prefix, DraftOf which, std::string& draft) {
    // A name of its own never clashes with another run's draft, and the rename that puts it in
    // place does not leave the file system.
    std::string made =
        (std::filesystem::path(name).parent_path() / (std::string(prefix) + "XXXXXX")).string();
    int fd = -1;
    {
        const StopSignalsHeld held;
        fd = mkstemp(made.data());
        if (fd < 0) {
            return -1;
        }
        draft = made;
        RegisterDraft(which, draft.c_str());
    }
    // mkstemp makes the draft readable by its owner only.
    const mode_t mask = umask(0);
    umask(mask);
    if (fchmod(fd, 0666 & ~mask) != 0) {
        const int error_number = errno;
        close(fd);
        RegisterDraft(which, nullptr);
        unlink(draft.c_str());
        draft.clear();
        errno = error_number;
        return -1;
    }
    return fd;
}

int PutDraftInPlace(DraftOf which, std::string& draft, const std::string& name) {
    if (draft.empty()) {
        return 0;
    }
    if (std::rename(draft.c_str(), name.c_str()) != 0) {
        return errno;
    }
    RegisterDraft(which, nullptr);
    draft.clear();
    return 0;
}
