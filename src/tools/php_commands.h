#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tools/php_input.h"
#include "tools/process_runner.h"
#include "tools/tool_job.h"
#include "tools/tool_result.h"

namespace quillory {

// The four things the PHP interpreter does for the editor, on what the
// editor holds of the active document.
enum class PhpCommand { kCheck, kRun, kHighlight, kCompact };

// What the check shows when PHP found no syntax error.
inline constexpr std::string_view kNoSyntaxErrorsText = "No syntax errors find";

// The interpreter (the PHP setting, put in quotes when it holds a blank and
// none are there yet), the command's options, the quoted file. An empty
// setting or file path stays in the line: PHP then fails in its own way.
std::string PhpCommandLine(std::string_view php, PhpCommand command,
                           std::string_view file_path);

// The settings window's version check: the interpreter as above, "-v".
std::string PhpVersionCommandLine(std::string_view php);

// What the version check shows: "PHP not available" when PHP could not be
// run (kNotRunOutput), else its output up to the first "Copyright".
std::string PhpVersionText(std::string_view output);

// What a PHP command shows or puts in place of the document, from what PHP
// wrote (empty when PHP could not be run, which gives "ERR"):
// - the check shows kNoSyntaxErrorsText when PHP reports no syntax errors,
//   and PHP's own words otherwise;
// - running and the highlighted listing show the output up to its last
//   "</html>" (letter case counts), or all of it;
// - compaction's output becomes the document's text, with CR LF line ends.
ToolResult PhpResult(PhpCommand command, const std::optional<Capture>& capture);

// The command on the document, through a copy of its text where its file
// does not hold that (php_input.h); what PHP says names the document.
// `temp_folder` ends in "/".
std::unique_ptr<ToolJob> MakePhpJob(PhpCommand command, std::string_view php,
                                    const PhpDocument& document,
                                    const std::string& temp_folder);

// The whole command, waiting for PHP.
ToolResult RunPhp(ProcessRunner& runner, PhpCommand command,
                  std::string_view php, const PhpDocument& document,
                  const std::string& temp_folder);

}  // namespace quillory
