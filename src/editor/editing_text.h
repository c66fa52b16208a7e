#pragma once

#include <string>
#include <string_view>

namespace quillory {

// What replaces the selection for `Insert2Tag`: an empty element pair, or
// the selected text wrapped in one. The caret goes after it.
std::string TagPairText(std::string_view tag, std::string_view selected);

// What plain Enter puts in place of the selection: CR LF, then as many
// spaces and then as many tabs as the run of spaces and tabs at the start of
// `line` (the caret's line from its first byte) holds, whatever their order.
std::string IndentedLineBreak(std::string_view line);

// What Tab and Shift+Tab put in place of the selection.
std::string TabbedSelection(std::string_view selected);

}  // namespace quillory
