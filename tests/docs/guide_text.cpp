#include "guide_text.h"

namespace docs_support {

std::string GuideBlock(const std::string& guide, const std::string& label) {
    const std::string marker = "<!-- " + label + " -->\n";
    const std::size_t at = guide.find(marker);
    if (at == std::string::npos) {
        return "";
    }
    const std::size_t fence = at + marker.size();
    if (guide.compare(fence, 3, "```") != 0) {
        return "";
    }
    const std::size_t first = guide.find('\n', fence);
    if (first == std::string::npos) {
        return "";
    }
    // The closing fence stands alone at the start of a line.
    const std::size_t end = guide.find("\n```\n", first);
    if (end == std::string::npos) {
        return "";
    }
    return guide.substr(first + 1, end + 1 - (first + 1));
}

} // namespace docs_support
