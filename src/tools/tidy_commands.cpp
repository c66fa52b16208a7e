#include "tools/tidy_commands.h"

#include <unistd.h>

#include "tools/command_table.h"
#include "tools/command_words.h"
#include "tools/temporary_input.h"
#include "tools/tidy_output.h"

namespace quillory {
namespace {

struct TidyOptions {
  TidyCommand command;
  std::string_view options;
};

// NOTE: the installed Tidy reads -xml as "the input is XML" and writes no
// page for HTML; -asxml is the option that converts a page to XML.
constexpr TidyOptions kTidyOptions[] = {
    {TidyCommand::kCheck, " -raw -e "},
    {TidyCommand::kClean, " -raw -q -c "},
    {TidyCommand::kUpperCase, " -raw -u "},
    {TidyCommand::kToXml, " -raw -asxml "},
    {TidyCommand::kToXhtml, " -raw -asxhtml "},
    {TidyCommand::kToHtml, " -raw -ashtml "},
};

static_assert(RowsInCommandOrder(kTidyOptions));

std::string_view OptionsOf(TidyCommand command) {
  return kTidyOptions[static_cast<size_t>(command)].options;
}

}  // namespace

std::string TidyProgram(const std::string& program_folder) {
  const std::string shipped = program_folder + "plug-ins/tidy/tidy";
  return access(shipped.c_str(), X_OK) == 0 ? shipped : "tidy";
}

std::string TidyCommandLine(std::string_view program, TidyCommand command,
                            std::string_view input_path) {
  return Quoted(program) + std::string(OptionsOf(command)) + Quoted(input_path);
}

ErrorRoute TidyErrorRoute(TidyCommand command) {
  return command == TidyCommand::kCheck ? ErrorRoute::kWithOutput
                                        : ErrorRoute::kApart;
}

ToolResult RunTidy(ProcessRunner& runner, TidyCommand command,
                   std::string_view text, const AppEnvironment& env) {
  const TemporaryInput input(env.temp_folder, "tmp.html", text);
  if (!input.error().empty()) {
    return {ToolResultUse::kShowMessages, input.error()};
  }
  const std::string command_line =
      TidyCommandLine(TidyProgram(env.program_folder), command, input.path());
  return TidyResult(command, runner.Run(command_line, TidyErrorRoute(command)));
}

}  // namespace quillory
