// The rich-text editor's converter over any characters and formats the
// editor can hold.
#include "fuzz_input.h"
#include "insert/rich_html.h"

using namespace quillory;

namespace {

RichFormat ConsumeFormat(FuzzedDataProvider& input) {
  RichFormat format;
  format.colour = input.ConsumeIntegralInRange<uint32_t>(0, 0xFFFFFF);
  format.size = input.ConsumeFloatingPointInRange<double>(1, 1638);
  format.bold = input.ConsumeBool();
  format.italic = input.ConsumeBool();
  format.underline = input.ConsumeBool();
  format.strike = input.ConsumeBool();
  format.align = static_cast<RichAlign>(input.ConsumeIntegralInRange(0, 2));
  return format;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  RichText text;
  text.caret = ConsumeFormat(input);
  RichFormat format = text.caret;
  while (input.remaining_bytes() > 0) {
    if (input.ConsumeIntegralInRange(0, 3) == 0) format = ConsumeFormat(input);
    const auto code = input.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
    text.chars.push_back({code, format});
  }
  RichTextToHtml(text);
  return 0;
}
