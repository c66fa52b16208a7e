#pragma once

#include <string>

namespace quillory {

// What a tool command does with the text it ends with.
enum class ToolResultUse {
  kShowMessages,     // as plain text in the tool output window
  kShowPage,         // as a page in the tool output window's browser
  kReplaceDocument,  // as the active document's whole text
};

struct ToolResult {
  ToolResultUse use;
  std::string text;
};

}  // namespace quillory
