#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "platform/app_environment.h"
#include "tools/process_run.h"
#include "tools/process_runner.h"
#include "tools/tool_job.h"
#include "tools/tool_result.h"

namespace quillory {

// The six things HTML Tidy does for the editor.
enum class TidyCommand {
  kCheck,
  kClean,
  kUpperCase,
  kToXml,
  kToXhtml,
  kToHtml
};

// The Tidy program: plug-ins/tidy/tidy in the program folder when one is
// there, else "tidy", found on PATH.
std::string TidyProgram(const std::string& program_folder);

// The quoted program, the option that reads and writes the document's
// encoding, the command's options, the quoted input file.
std::string TidyCommandLine(std::string_view program, TidyCommand command,
                            TextEncoding encoding, std::string_view input_path);

// The check shows Tidy's messages as they came, among its output; the other
// commands keep them apart from the page Tidy writes.
ErrorRoute TidyErrorRoute(TidyCommand command);

// The command on the document's text, which goes to Tidy through a
// temporary file that lasts as long as the job. What Tidy writes back is
// in the same encoding, every character kept.
std::unique_ptr<ToolJob> MakeTidyJob(TidyCommand command, std::string_view text,
                                     TextEncoding encoding,
                                     const AppEnvironment& env);

// The whole command, waiting for Tidy.
ToolResult RunTidy(ProcessRunner& runner, TidyCommand command,
                   std::string_view text, TextEncoding encoding,
                   const AppEnvironment& env);

}  // namespace quillory
