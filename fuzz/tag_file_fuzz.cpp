// A tag file of the tag lists window, and what each of its entries puts in
// for every category.
#include "fuzz_input.h"
#include "insert/tag_lists.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const TagEntry& entry : ParseTagFile(fuzz::AsText(data, size))) {
    for (TagCategory category : {TagCategory::kHtml, TagCategory::kJavaScript,
                                 TagCategory::kCss, TagCategory::kPhp}) {
      const std::string text = TagEntryText(category, entry, "selected");
      FUZZ_CHECK(category == TagCategory::kHtml || text == entry.snippet);
    }
  }
  return 0;
}
