#include "same_file.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

#include "error.h"
#include "messages.h"

namespace {

namespace fs = std::filesystem;

// The refusal of each pair of files, the later one in the run's order first.
struct SameFileRefusal {
    std::string_view later;
    std::string_view earlier;
    Text text;
};
constexpr SameFileRefusal refusals[] = {
    {"REPORT", "DATA", Text::report_is_data},   {"TABLE", "DATA", Text::table_is_data},
    {"TABLE", "REPORT", Text::table_is_report}, {"PLOT", "DATA", Text::plot_is_data},
    {"PLOT", "REPORT", Text::plot_is_report},   {"PLOT", "TABLE", Text::plot_is_table},
};

// A link at the end of the path is followed even when its target does not exist, as opening
// the name to write it would; links inside the path, and "." and "..", are resolved as far as
// the path exists. Empty when that fails.
fs::path Resolved(const std::string& name) {
    std::error_code error;
    fs::path path = fs::absolute(name, error);
    // The system follows no more than 40 links in a row either.
    struct stat link {};
    for (int hop = 0;
         !error && hop < 40 && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode); ++hop) {
        const fs::path target = fs::read_symlink(path, error);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    if (error) {
        return {};
    }
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? fs::path() : resolved;
}

Text RefusalOf(std::string_view later, std::string_view earlier) {
    for (const SameFileRefusal& refusal : refusals) {
        if (refusal.later == later && refusal.earlier == earlier) {
            return refusal.text;
        }
    }
    throw std::logic_error("no refusal for a " + std::string(later) + " that is the " +
                           std::string(earlier));
}

} // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    const fs::path a_path = Resolved(a);
    if (!a_path.empty() && a_path == Resolved(b)) {
        return true;
    }
    struct stat a_stat {};
    struct stat b_stat {};
    return stat(a.c_str(), &a_stat) == 0 && stat(b.c_str(), &b_stat) == 0 &&
           a_stat.st_dev == b_stat.st_dev && a_stat.st_ino == b_stat.st_ino;
}

void RefuseSameFiles(const std::vector<NamedFile>& files) {
    for (std::size_t later = 1; later < files.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const NamedFile& a = files[later];
            const NamedFile& b = files[earlier];
            if (!a.name.empty() && !b.name.empty() && SameFile(a.name, b.name)) {
                Error(Say(RefusalOf(a.field, b.field), {{a.field, a.name}, {b.field, b.name}}));
            }
        }
    }
}
