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
    {TidyCommand::kCheck, " -e "},         {TidyCommand::kClean, " -q -c "},
    {TidyCommand::kUpperCase, " -u "},     {TidyCommand::kToXml, " -asxml "},
    {TidyCommand::kToXhtml, " -asxhtml "}, {TidyCommand::kToHtml, " -ashtml "},
};

static_assert(RowsInCommandOrder(kTidyOptions));

std::string_view OptionsOf(TidyCommand command) {
  return kTidyOptions[static_cast<size_t>(command)].options;
}

// NOTE: -raw writes each character as the low byte of its code point, so
// an entity or a UTF-8 character comes back as a stray byte. An 8-bit
// page gets entities for everything beyond ASCII (-win1252 writes ASCII):
// Tidy's Windows-1252 output drops the characters that code page lacks.
std::string_view EncodingOption(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? " -utf8" : " -win1252";
}

// When the input file could not be written, the document stays and the
// reason is shown.
class TidyJob : public ToolJob {
 public:
  TidyJob(TidyCommand command, std::string_view text, TextEncoding encoding,
          const AppEnvironment& env)
      : command_(command), input_(env.temp_folder, "tmp.html", text) {
    if (input_.error().empty()) {
      command_line_ = TidyCommandLine(TidyProgram(env.program_folder), command,
                                      encoding, input_.path());
    }
  }

  const std::string& CommandLine() const override { return command_line_; }
  ErrorRoute Route() const override { return TidyErrorRoute(command_); }
  ToolResult Result(const std::optional<Capture>& capture) const override {
    if (!input_.error().empty()) {
      return {ToolResultUse::kShowMessages, input_.error()};
    }
    return TidyResult(command_, capture);
  }

 private:
  TidyCommand command_;
  TemporaryInput input_;
  std::string command_line_;
};

}  // namespace

std::string TidyProgram(const std::string& program_folder) {
  const std::string shipped = program_folder + "plug-ins/tidy/tidy";
  return access(shipped.c_str(), X_OK) == 0 ? shipped : "tidy";
}

std::string TidyCommandLine(std::string_view program, TidyCommand command,
                            TextEncoding encoding,
                            std::string_view input_path) {
  return Quoted(program) + std::string(EncodingOption(encoding)) +
         std::string(OptionsOf(command)) + Quoted(input_path);
}

ErrorRoute TidyErrorRoute(TidyCommand command) {
  return command == TidyCommand::kCheck ? ErrorRoute::kWithOutput
                                        : ErrorRoute::kApart;
}

std::unique_ptr<ToolJob> MakeTidyJob(TidyCommand command, std::string_view text,
                                     TextEncoding encoding,
                                     const AppEnvironment& env) {
  return std::make_unique<TidyJob>(command, text, encoding, env);
}

ToolResult RunTidy(ProcessRunner& runner, TidyCommand command,
                   std::string_view text, TextEncoding encoding,
                   const AppEnvironment& env) {
  return RunJob(runner, TidyJob(command, text, encoding, env));
}

}  // namespace quillory
