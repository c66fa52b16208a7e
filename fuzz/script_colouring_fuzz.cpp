// Style sheets, scripts and pages with both, edited a few times: colouring
// only the edited line (and the lines whose start state it changed) leaves
// every byte styled as colouring the whole edited text does.
#include "core/editor/script_recolouring.h"
#include "fuzz_input.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  constexpr ScriptLanguage kLanguages[] = {ScriptLanguage::kStyleSheet,
                                           ScriptLanguage::kScript,
                                           ScriptLanguage::kPage};
  const ScriptLanguage language = input.PickValueInArray(kLanguages);
  const int edits = input.ConsumeIntegralInRange(0, 4);
  ScriptDocument document(input.ConsumeRandomLengthString(2000), language);
  document.ColourAll();
  for (int edit = 0; edit < edits && input.remaining_bytes() > 0; ++edit) {
    const size_t length = document.text().size();
    const size_t at = input.ConsumeIntegralInRange<size_t>(0, length);
    const size_t removed = input.ConsumeIntegralInRange<size_t>(0, length - at);
    document.Edit(at, removed, input.ConsumeRandomLengthString(40));
    ScriptDocument whole(document.text(), language);
    whole.ColourAll();
    FUZZ_CHECK(document.Letters() == whole.Letters());
  }
  return 0;
}
