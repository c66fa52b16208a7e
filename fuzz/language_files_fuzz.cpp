// The files of a language folder and the shared lists beside them: main.lng,
// captions.lng, the completion list and the PHP keywords, each read from the
// same bytes.
#include "base/lang_table.h"
#include "base/named_captions.h"
#include "editor/completion_list.h"
#include "editor/php_keywords.h"
#include "fuzz_input.h"

using namespace quillory;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::AsText(data, size);
  LangTable table;
  table.LoadFromBytes(bytes);
  for (int k = -1; k <= table.Size(); ++k) {
    const std::optional<std::string> entry = table.Entry(k);
    FUZZ_CHECK(entry.has_value() == (k >= 0 && k < table.Size()));
    if (entry) WithLineBreaks(*entry);
  }

  NamedCaptions captions;
  captions.LoadFromBytes(bytes);
  for (const auto& [name, text] : captions.All())
    FUZZ_CHECK(captions.Find(name) == text);

  const std::vector<std::string> completions = ParseCompletionList(bytes);
  const std::optional<size_t> found =
      FindCompletionByPrefix(completions, bytes.substr(0, 3));
  FUZZ_CHECK(!found || *found < completions.size());
  StepCompletion(found, completions.size(), ListStep::kUp);

  const PhpKeywords keywords(ParsePhpKeywordList(bytes));
  std::vector<KeywordHit> hits;
  const auto length = static_cast<int64_t>(bytes.size());
  keywords.FindWordKeywords(bytes, 1, length, hits);
  keywords.FindOtherKeywords(bytes, 1, length, hits);
  for (const KeywordHit& hit : hits) {
    FUZZ_CHECK(hit.position >= 1 && hit.position + hit.length - 1 <= length);
    FUZZ_CHECK(bytes.substr(hit.position - 1, hit.length) ==
               keywords.words()[hit.list_index]);
  }
  return 0;
}
