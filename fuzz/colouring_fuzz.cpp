// The colouring pass over any text and keyword list (php.lng), for any
// range a request can name: its runs are those of a literal reading of the
// colouring rules, and the pass reading through an index and a text source
// gives the styles of the pass reading the whole text, as it does coloured
// in slices.
#include "core/editor/format_runs.h"
#include "core/editor/held_styles.h"
#include "editor/html_parse.h"
#include "editor/php_block_index.h"
#include "exact_text_source.h"
#include "fuzz_input.h"
#include "literal_colouring.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string php_lng = input.ConsumeRandomLengthString(200);
  const auto position = [&input] {
    return input.ConsumeIntegralInRange<int64_t>(kFromCaret, 300);
  };
  const int64_t sel_start = position();
  const int64_t s_line = position();
  const int64_t e_line = position();
  const int64_t slice_length = input.ConsumeIntegralInRange<int64_t>(1, 64);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const PhpKeywords keywords(ParsePhpKeywordList(php_lng));
  const std::vector<FormatRun> runs =
      ParseHTML(text, sel_start, s_line, e_line, keywords);
  for (const FormatRun& run : runs) {
    FUZZ_CHECK(run.length >= 1);
    FUZZ_CHECK(run.first >= 1 && run.last() <= std::ssize(text));
  }
  FUZZ_CHECK(fuzz::LiteralColouring(text, keywords.words())
                 .Parse(sel_start, s_line, e_line) == runs);
  const PhpBlockIndex index(text);
  HtmlColourer colourer(keywords);
  fuzz::ExactTextSource source(text);
  FUZZ_CHECK(colourer.Colour(text, sel_start, s_line, e_line, &index) == runs);
  const std::string plain(text.size(), '\0');
  FUZZ_CHECK(Applied(colourer.Colour(source, sel_start, s_line, e_line, index),
                     plain) == Applied(runs, plain));

  std::vector<uint8_t> scratch;
  HeldStyles whole(std::string(text.size(), '\0'));
  WriteRuns(runs, whole, scratch);
  HeldStyles sliced(std::string(text.size(), '\0'));
  ColourInSlices(colourer, source, index, sel_start, s_line, e_line, sliced,
                 scratch, slice_length);
  FUZZ_CHECK(sliced.styles() == whole.styles());
  return 0;
}
