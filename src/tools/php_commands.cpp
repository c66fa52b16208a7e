#include "tools/php_commands.h"

#include "base/text_util.h"
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

// When the text could not be written, nothing runs and the reason is
// shown.
class PhpJob : public ToolJob {
 public:
  PhpJob(PhpCommand command, std::string_view php, const PhpDocument& document,
         const std::string& temp_folder)
      : command_(command),
        input_(document, temp_folder),
        folder_(FolderOfPath(document.file_path)) {
    if (input_.error().empty()) {
      command_line_ = PhpCommandLine(php, command, input_.path());
    }
  }

  const std::string& CommandLine() const override { return command_line_; }
  ErrorRoute Route() const override { return ErrorRoute::kWithOutput; }
  // Relative paths in a script, as in fopen('data.txt'), start beside its
  // document, as they would when it runs on a server.
  std::string Folder() const override { return folder_; }
  ToolResult Result(const std::optional<Capture>& capture) const override {
    if (!input_.error().empty()) {
      return {ToolResultUse::kShowMessages, input_.error()};
    }
    ToolResult result = PhpResult(command_, capture);
    if (command_ != PhpCommand::kCompact) {
      result.text = input_.NamingDocument(result.text);
    }
    return result;
  }

 private:
  PhpCommand command_;
  PhpInput input_;
  std::string folder_;  // empty for a document never saved
  std::string command_line_;
};

}  // namespace

std::string PhpCommandLine(std::string_view php, PhpCommand command,
                           std::string_view file_path) {
  return ProgramWord(php) +
         std::string(kPhpOptions[static_cast<size_t>(command)].options) +
         Quoted(file_path);
}

std::string PhpVersionCommandLine(std::string_view php) {
  return ProgramWord(php) + " -v";
}

std::string PhpVersionText(std::string_view output) {
  if (output == kNotRunOutput) return "PHP not available";
  return std::string(output.substr(0, output.find("Copyright")));
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

std::unique_ptr<ToolJob> MakePhpJob(PhpCommand command, std::string_view php,
                                    const PhpDocument& document,
                                    const std::string& temp_folder) {
  return std::make_unique<PhpJob>(command, php, document, temp_folder);
}

ToolResult RunPhp(ProcessRunner& runner, PhpCommand command,
                  std::string_view php, const PhpDocument& document,
                  const std::string& temp_folder) {
  return RunJob(runner, PhpJob(command, php, document, temp_folder));
}

}  // namespace quillory
