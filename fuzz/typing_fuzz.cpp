// The typing path: edits one after another, the PHP block index kept
// current through each as the editor keeps it, and the caret's line
// coloured after each through the index, which must give the styles of
// colouring it from the whole text. The editing commands' texts are made
// on the way.
#include "core/editor/format_runs.h"
#include "editor/colouring_range.h"
#include "editor/completion_list.h"
#include "editor/editing_text.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "exact_text_source.h"
#include "fuzz_input.h"

using namespace quillory;

namespace {

const PhpKeywords& Keywords() {
  static const PhpKeywords keywords({"echo", "if", "$x", "a-", "", "??"});
  return keywords;
}

void MakeCommandTexts(std::string_view text, int64_t at, int64_t length) {
  const std::string_view selected = text.substr(at, length);
  TagPairText("b", selected);
  TabbedSelection(selected);
  const size_t line_start = text.rfind('\n', at == 0 ? 0 : at - 1);
  IndentedLineBreak(
      text.substr(line_start == std::string_view::npos ? 0 : line_start + 1));
  CompletionBroken(text, at, at + length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  std::string text = input.ConsumeRandomLengthString(400);
  PhpBlockIndex index(text);
  HtmlColourer colourer(Keywords());
  while (input.remaining_bytes() > 0) {
    const auto length = static_cast<int64_t>(text.size());
    const auto at = input.ConsumeIntegralInRange<int64_t>(0, length);
    const auto removed = input.ConsumeIntegralInRange<int64_t>(0, length - at);
    const std::string inserted = input.ConsumeRandomLengthString(8);
    MakeCommandTexts(text, at, removed);
    text.replace(at, removed, inserted);
    fuzz::ExactTextSource source(text);
    index.Update(source, at, removed, std::ssize(inserted));
    const int64_t caret = at + std::ssize(inserted);
    FUZZ_CHECK(ResolveColouringRange(source, caret, kFromCaret, kFromCaret) ==
               ResolveColouringRange(text, caret, kFromCaret, kFromCaret));
    const std::vector<FormatRun> whole =
        ParseHTML(text, caret, kFromCaret, kFromCaret, Keywords());
    const std::string plain(text.size(), '\0');
    FUZZ_CHECK(
        Applied(colourer.Colour(source, caret, kFromCaret, kFromCaret, index),
                plain) == Applied(whole, plain));
  }
  return 0;
}
