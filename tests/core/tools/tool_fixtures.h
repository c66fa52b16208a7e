#pragma once

#include <string>
#include <tuple>

#include "base/text_file.h"
#include "tools/tidy_commands.h"
#include "tools/tool_result.h"

namespace quillory::testing {

// A file of a case under tests/fixtures/tools/ (scripts/make-tool-fixtures).
inline std::string ToolFixture(const std::string& name,
                               const std::string& file) {
  return ReadTextFile(QUILLORY_TOOL_FIXTURES "/" + name + "/" + file);
}

// A result as "use: text", so that one comparison shows both.
inline std::string Shown(const ToolResult& result) {
  return std::to_string(static_cast<int>(result.use)) + ": " + result.text;
}

// The expected result of a case with the given use.
inline std::string Expected(const char* name, ToolResultUse use) {
  return Shown({use, ToolFixture(name, "expected")});
}

// The Tidy cases: each folder holds the input, what the installed Tidy
// wrote for it with its defaults and the result the command must give. A
// case is its folder's name, the command and the result's use.
using TidyCase = std::tuple<const char*, TidyCommand, ToolResultUse>;
inline const TidyCase kTidyCases[] = {
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
