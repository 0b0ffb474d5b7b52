#include "scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

std::string MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ne-fuzz-XXXXXX").string();
    if (pattern.find_first_of(" \t\n") != std::string::npos) {
        pattern = "/tmp/ne-fuzz-XXXXXX";
    }
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder for the fuzz target");
    }
    return pattern;
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

} // namespace

const std::string& ScratchFolder() {
    // Kept to the very end, for the removal at exit.
    static const std::string* const folder = [] {
        const auto* made = new std::string(MakeFolder());
        std::atexit(RemoveFolder);
        return made;
    }();
    return *folder;
}
