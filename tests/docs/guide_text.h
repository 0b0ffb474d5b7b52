// The text of a block quoted in the user's guide, so that a test can run or compare exactly
// what a reader of the guide sees.
#pragma once

#include <string>

namespace docs_support {

// The lines of the fenced block that follows the line "<!-- `label` -->" in `guide`, each with
// its line end, up to the closing fence; empty when the label or the block is missing.
std::string GuideBlock(const std::string& guide, const std::string& label);

} // namespace docs_support
