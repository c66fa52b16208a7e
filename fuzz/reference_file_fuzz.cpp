// A reference file (".HET") and the template markers of its entries: each
// entry goes through the element dialog as a double click sends it, its
// rows answered from their defaults or left empty.
#include "fuzz_input.h"
#include "insert/element_dialog.h"
#include "insert/reference_file.h"
#include "insert/template_markers.h"

using namespace quillory;

namespace {

void InsertEntry(const ReferenceEntry& entry, bool answer_empty) {
  ElementDialog dialog;
  if (dialog.StartFromTree(entry.name, entry.template_text)) {
    FUZZ_CHECK(dialog.Hhm());
    return;
  }
  FUZZ_CHECK(!dialog.rows().rows().empty());
  if (answer_empty) {
    for (size_t row = 0; row < dialog.rows().rows().size(); ++row)
      dialog.rows().SetText(row, "");
  }
  FUZZ_CHECK(dialog.Ok().has_value() && dialog.Hhm());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ReferenceFile file = ParseReferenceFile(fuzz::AsText(data, size));
  for (const ReferenceGroup& group : file.groups) {
    for (const ReferenceEntry& entry : group.entries) {
      InsertEntry(entry, false);
      InsertEntry(entry, true);
    }
  }
  return 0;
}
