#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/process_runner.h"
#include "tools/tidy_commands.h"
#include "tools/tool_result.h"

namespace quillory {

// What a Tidy command shows or puts in place of the document, from what
// Tidy wrote (empty when Tidy could not be run, which gives "ERR"):
// - the check shows the messages before the first empty line;
// - the other commands take the page from Tidy's output alone, cut after
//   its last "</html>" and without Tidy's generator element; when Tidy
//   wrote no page (errors it would not repair), the document stays and
//   Tidy's messages are shown.
// Line ends become CR LF first.
ToolResult TidyResult(TidyCommand command,
                      const std::optional<Capture>& capture);

// The check's messages: the text before the first empty line less its last
// character, or the whole text when no line is empty.
std::string_view MessagesBeforeEmptyLine(std::string_view messages);

// The page without the generator element Tidy adds, in any version and
// however Tidy breaks its line: <meta name="generator" content="HTML Tidy
// ..."> or its "/>" form, with the line end after it (and the blanks
// before it when it starts its line). A generator element of the page's
// own stays. Letter case is ignored.
std::string WithoutTidyGenerator(std::string_view page);

}  // namespace quillory
