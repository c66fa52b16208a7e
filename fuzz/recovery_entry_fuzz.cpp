// A recovery entry file left by an earlier run, which may be damaged or
// foreign: an entry read from it is written as a file that reads back as
// the same entry.
#include "app/recovery_store.h"
#include "fuzz_input.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  if (const std::optional<RecoveredText> entry = ParseRecoveryEntry(text)) {
    FUZZ_CHECK(ParseRecoveryEntry(RecoveryEntryText(*entry)) == entry);
    RecoveryQuestion(StaleTexts{{*entry}}, NamedCaptions());
  }
  return 0;
}
