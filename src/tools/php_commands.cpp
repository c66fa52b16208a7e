#include "tools/php_commands.h"

#include "editor/case_blind_search.h"
#include "tools/command_table.h"
#include "tools/command_words.h"
#include "tools/tool_output.h"

namespace quillory {
namespace {

struct PhpOptions {
  PhpCommand command;
  std::string_view options;
};

constexpr PhpOptions kPhpOptions[] = {
    {PhpCommand::kCheck, " -q -l "},
    {PhpCommand::kRun, " -q "},
    {PhpCommand::kHighlight, " -q -s "},
    {PhpCommand::kCompact, " -q -w "},
};
static_assert(RowsInCommandOrder(kPhpOptions));

std::string ProgramWord(std::string_view php) {
  const bool needs_quotes =
      php.find_first_of(" \t") != php.npos && php.find('"') == php.npos;
  return needs_quotes ? Quoted(php) : std::string(php);
}

}  // namespace

std::string PhpCommandLine(std::string_view php, PhpCommand command,
                           std::string_view file_path) {
  return ProgramWord(php) +
         std::string(kPhpOptions[static_cast<size_t>(command)].options) +
         Quoted(file_path);
}

ToolResult PhpResult(PhpCommand command,
                     const std::optional<Capture>& capture) {
  const std::string_view output =
      capture ? std::string_view(capture->output) : kNotRunOutput;
  switch (command) {
    case PhpCommand::kCheck:
      return {ToolResultUse::kShowPage,
              std::string(FindForward(output, "No syntax errors", 1) > 0
                              ? kNoSyntaxErrorsText
                              : output)};
    case PhpCommand::kRun:
    case PhpCommand::kHighlight:
      return {ToolResultUse::kShowPage,
              std::string(UpToLastHtmlEnd(output, LetterCase::kSignificant))};
    case PhpCommand::kCompact:
      return {ToolResultUse::kReplaceDocument, WithCrLfLineEnds(output)};
  }
  return {ToolResultUse::kShowPage, std::string(output)};
}

ToolResult RunPhp(ProcessRunner& runner, PhpCommand command,
                  std::string_view php, std::string_view file_path) {
  return PhpResult(command, runner.Run(PhpCommandLine(php, command, file_path),
                                       ErrorRoute::kWithOutput));
}

}  // namespace quillory
