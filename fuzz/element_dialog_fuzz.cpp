// The element dialog with anything typed or picked in its rows: the form
// controls, the image, the table and the link.
#include "fuzz_input.h"
#include "insert/element_dialog.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  ElementDialog dialog;
  dialog.StartForm(
      static_cast<ElementGroup>(input.ConsumeIntegralInRange(0, 2)),
      input.ConsumeIntegralInRange(-1, 12));
  while (input.remaining_bytes() > 0) {
    const auto row = input.ConsumeIntegralInRange<size_t>(0, 10);
    if (input.ConsumeBool()) {
      dialog.rows().SetText(row, input.ConsumeRandomLengthString(16));
    } else {
      dialog.rows().Select(row, input.ConsumeIntegralInRange(-2, 8));
    }
  }
  const std::optional<std::string> markup = dialog.Ok();
  FUZZ_CHECK(!dialog.Refused() || !markup);
  return 0;
}
