#pragma once

#include <string>

#include "app/text_file.h"
#include "tools/tidy_commands.h"
#include "tools/tool_result.h"

namespace quillory::testing {

// A file of a case under tests/fixtures/tools/ (scripts/make-tool-fixtures).
inline std::string ToolFixture(const std::string& name,
                               const std::string& file) {
  return ReadTextFile(std::string(QUILLORY_TOOL_FIXTURES) + "/" + name + "/" +
                      file);
}

// The Tidy cases: each folder holds the input, what the installed Tidy
// wrote for it with its defaults and the result the command must give.
struct TidyCase {
  const char* name;
  TidyCommand command;
  ToolResultUse use;
};

inline constexpr TidyCase kTidyCases[] = {
    {"tidy-check", TidyCommand::kCheck, ToolResultUse::kShowMessages},
    {"tidy-clean", TidyCommand::kClean, ToolResultUse::kReplaceDocument},
    {"tidy-upper-case", TidyCommand::kUpperCase,
     ToolResultUse::kReplaceDocument},
    {"tidy-to-xml", TidyCommand::kToXml, ToolResultUse::kReplaceDocument},
    {"tidy-to-xhtml", TidyCommand::kToXhtml, ToolResultUse::kReplaceDocument},
    {"tidy-to-html", TidyCommand::kToHtml, ToolResultUse::kReplaceDocument},
    {"tidy-no-document", TidyCommand::kClean, ToolResultUse::kShowMessages},
    {"tidy-own-generator", TidyCommand::kClean,
     ToolResultUse::kReplaceDocument},
};

}  // namespace quillory::testing
