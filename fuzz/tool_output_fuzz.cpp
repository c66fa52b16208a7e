// What Tidy and PHP write, turned into what each command shows or puts in
// place of the document: any output, for every command.
#include "fuzz_input.h"
#include "tools/php_commands.h"
#include "tools/tidy_commands.h"
#include "tools/tidy_output.h"
#include "tools/tool_output.h"

using namespace quillory;

namespace {

// Every LF of a text the editor is given has its CR.
bool HasCrLfLineEnds(std::string_view text) {
  for (size_t at = text.find('\n'); at != std::string_view::npos;
       at = text.find('\n', at + 1)) {
    if (at == 0 || text[at - 1] != '\r') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  Capture capture;
  capture.errors = input.ConsumeRandomLengthString(500);
  capture.output = input.ConsumeRemainingBytesAsString();
  const std::optional<Capture> ran(capture);
  for (int command = 0; command <= 5; ++command) {
    const ToolResult result =
        TidyResult(static_cast<TidyCommand>(command), ran);
    if (result.use == ToolResultUse::kReplaceDocument)
      FUZZ_CHECK(HasCrLfLineEnds(result.text));
  }
  for (int command = 0; command <= 3; ++command) {
    const ToolResult result = PhpResult(static_cast<PhpCommand>(command), ran);
    if (result.use == ToolResultUse::kReplaceDocument)
      FUZZ_CHECK(HasCrLfLineEnds(result.text));
  }
  FUZZ_CHECK(HasCrLfLineEnds(WithCrLfLineEnds(capture.output)));
  MessagesBeforeEmptyLine(capture.errors);
  WithoutTidyGenerator(capture.output);
  UpToLastHtmlEnd(capture.output, LetterCase::kIgnored);
  return 0;
}
